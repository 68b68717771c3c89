#pragma once

#include "core/crossing.h"
#include "core/exact_line.h"

#include <gmpxx.h>
#include <string>

// A line's answers worked out exactly from its end points as typed, each
// number rounded once to the nearest double (ties to even) and written as
// NumberToText writes it: what the window shows carries no round-off from
// the steps before it. Each raises core::Overflow instead of yielding a text
// when its number rounds beyond the double range.
namespace core {

// q rounded to the nearest double or single, ties to even, subnormals
// included; core::Overflow when it rounds beyond the range.
double NearestDouble(const mpq_class& q);
float NearestSingle(const mpq_class& q);

// The slope of a line that is not vertical.
std::string ExactSlopeText(const exact::Line& line);

// Where a line meets the y-axis: b, or for a vertical line "none" ("all"
// when it is the y-axis).
std::string ExactInterceptText(const exact::Line& line);

// " X = c" for a vertical line.
std::string ExactVerticalEquationText(const exact::Line& line);

// Where a line meets the x-axis: -b/m, c for a vertical line, and for a
// horizontal one "none" ("all" when it is the x-axis).
std::string ExactXInterceptText(const exact::Line& line);

// Where two lines meet, with a caption as FindCrossing writes it: X the
// nearest double, Y the nearest single to the exact point. Raises
// core::Overflow when either lies beyond its range.
Crossing ExactCrossing(const exact::Line& one, const exact::Line& two);

} // namespace core
