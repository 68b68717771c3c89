#pragma once

#include "core/exact_line.h"
#include "core/line_commands.h"

#include <QString>

#include <array>

// The exact values beside the window's decimal answers, in words: the
// tooltips of the result fields and the contents of the Exact values window.
namespace exact_texts {

// What the typed end points mean, exactly.
struct ExactLines {
    core::exact::Line line1, line2;
    core::exact::Crossing crossing;
};

ExactLines exactLinesFor(const core::TypedFields& typed);

// A number as its fraction and its decimal: "1/3 = 0.(3)", "1/2 = 0.5", or
// the integer alone, "-6".
QString value(const mpq_class& q);

// The tooltip of a result field that a command has just filled in from the
// end points `exact` was worked out from: "Exactly 1/3 = 0.(3)" on a number,
// "Exactly y = 1/3 x + 7/3" on an equation, "Exactly (1/3, 7/3)" on the
// crossing. Empty when there is no exact value to give.
QString tooltip(core::ResultField field, const ExactLines& exact);

// The Exact values window's text, as HTML, in its parts: line `number`
// through its typed end points, which make `line`, with its equation, slope
// and intercepts as fractions; its end points rounded from an equation typed
// for it are noted under it: `roundedFrom` holds the equation as typed, or
// nothing ...
QString lineHtml(int number, const std::array<std::string, 4>& typed, const core::exact::Line& line,
    const QString& roundedFrom);

// ... then the crossing of both lines, and where the window's decimal answers
// for the same texts are rounded.
QString pairHtml(const core::TypedFields& typed, const ExactLines& exact);

} // namespace exact_texts
