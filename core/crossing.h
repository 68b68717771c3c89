#pragma once

#include <string>
#include <string_view>

namespace core {

enum class CrossingKind { Point, Parallel, Same };

struct Crossing {
    CrossingKind kind;
    std::string caption;
};

inline constexpr std::string_view ParallelCaption = "Parallel lines. No Intersection.";
inline constexpr std::string_view SameLineCaption = "Same line. Infinite solutions.";

// Where y = m1 x + b1 and y = m2 x + b2 meet, from the texts of the two
// slopes and two y-intercepts as the window shows them. Slopes whose texts
// read back as the same number are parallel; with equal intercepts as well
// the lines coincide. Otherwise the caption is "(X,  Y)" with X written as a
// double and Y, computed on line one, as a single. Raises core::Overflow when
// the point lies beyond the double (X) or single (Y) range.
Crossing FindCrossing(std::string_view slope1, std::string_view slope2, std::string_view yint1,
    std::string_view yint2);

} // namespace core
