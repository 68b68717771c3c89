#pragma once

#include "core/exact_line.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The working: how each answer is reached from the end points as typed,
// step by step in exact fractions, as a pupil would write it down.
namespace core {

// One step of the working. Its lines are in plain text, the characters that
// survive a copy into any editor: "m = (7 - 0) / (8 - (-6))", a minus as
// "-", a subscript as a digit after its letter ("y2"), a product as "*".
// Every line but a sentence in words is a chain of "label = value = ...",
// each value equal to the one before it.
struct WorkingStep {
    // Pinned, so that scripts can pick a step: "slope1", "yint1",
    // "equation1", "xaxis1", "yaxis1", the same ending in 2, "crossing",
    // "relation".
    std::string id;
    std::string heading; // in a pupil's words
    std::vector<std::string> lines;
    // The exact answer as the answer key writes it: a fraction ("-2/3"),
    // "undefined" for a vertical line's slope, "none" or "all" for an axis
    // met nowhere or all along, an equation ("y = 1/2 x + 3", "x = 2"), a
    // crossing "(2, -2/3)", "parallel" or "same", a relation "crossing",
    // "perpendicular", "parallel" or "same". Nothing when there is no answer
    // (the end points are one point, or a number is too large).
    std::optional<std::string> result;
};

// The working for two lines, each through two points typed as texts
// (X1, Y1, X2, Y2), read as core::exact::Read reads them: line one's five
// steps, line two's five, then the crossing and the relation.
std::vector<WorkingStep> WorkingFor(
    const std::array<std::string, 4>& line1, const std::array<std::string, 4>& line2);

// WorkingFor in its parts, for a page that makes again only the part whose
// end points changed: one line's five steps, numbered `number`, with the line
// they are about (no line where an end point cannot be read) ...
struct LineWorking {
    exact::Line line;
    std::vector<WorkingStep> steps;
};
LineWorking WorkingForLine(const std::array<std::string, 4>& typed, int number);

// ... and the crossing and the relation of the two lines so worked out.
std::vector<WorkingStep> WorkingForPair(const exact::Line& one, const exact::Line& two);

// Whether two lines meet at a right angle: slopes whose product is -1, or
// one vertical and one horizontal.
bool ArePerpendicular(const exact::Line& one, const exact::Line& two);

// The working as plain text: each step's heading, then its lines indented
// by two spaces, each ended by LF; a blank line between steps.
std::string WorkingText(const std::vector<WorkingStep>& steps);

// A plain-text line as a pupil writes it: the minus sign U+2212 for "-"
// where it is a minus (not a hyphen, as in "x-axis"), subscript digits after
// x, y, m and b ("y₂"), and "·" for "*". UTF-8.
std::string PupilText(std::string_view plain);

} // namespace core
