#pragma once

#include "core/exact_number.h"

#include <gmpxx.h>
#include <optional>
#include <string>
#include <string_view>

namespace core::exact {

// What two points make: a line y = m x + b, a vertical line x = c, a single
// point (no line at all), or nothing worked out because a number is beyond
// the limits of exact work.
enum class LineKind { Line, Vertical, Point, TooLarge };

// Where a line meets an axis: at one place, nowhere (parallel to the axis),
// or all along it (the line is the axis).
enum class InterceptKind { At, None, All };

struct Intercept {
    InterceptKind kind = InterceptKind::None;
    mpq_class at; // where, for At
};

struct Line {
    LineKind kind = LineKind::TooLarge;
    // A Line's m; a vertical line has no slope.
    mpq_class slope;
    // A Line meets the y axis At b. A vertical line meets it nowhere, or
    // all along it when it is the y axis.
    Intercept yIntercept;
    // A Line meets the x axis At -b/m; a horizontal one nowhere, or all
    // along it when it is the x axis. A vertical line meets it At c.
    Intercept xIntercept;
    // For a single point and a number too large, the slope and intercepts
    // mean nothing.
};

// The line through (X1, Y1) and (X2, Y2), exactly.
Line LineThrough(
    const mpq_class& X1, const mpq_class& Y1, const mpq_class& X2, const mpq_class& Y2);

// The same from the four texts as typed, each read with Read; TooLarge when
// any of them is beyond the limits.
Line LineThrough(
    std::string_view X1, std::string_view Y1, std::string_view X2, std::string_view Y2);

// How two lines meet: at one point, never (parallel), everywhere (the same
// line), or not at all as lines (None: either is a single point or too large).
enum class CrossingKind { Point, Parallel, Same, None };

struct Crossing {
    CrossingKind kind = CrossingKind::None;
    mpq_class x, y; // the point, for Point
};

Crossing CrossingOf(const Line& one, const Line& two);

// A line's equation with its numbers as fractions: "y = 1/3 x + 7/3",
// "y = -x - 1/2", "y = 2 x", "y = 5/4", "y = 0", "x = 3", "x = -5/2".
// Nothing for a single point or a number too large.
std::optional<std::string> EquationText(const Line& line);

} // namespace core::exact
