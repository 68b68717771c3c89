#pragma once

#include "core/equation.h"

#include <array>
#include <gmpxx.h>
#include <string>
#include <string_view>

namespace core::exact {

// Two end points chosen for a line typed as its equation, written as a pupil
// would type them into the end-point fields.
struct ChosenEndPoints {
    std::array<std::string, 4> texts; // X1, Y1, X2, Y2
    // The points are where the line meets the range's edges, each number
    // rounded to 15 significant digits, because the line has no two points
    // with short exact decimals in the range: they lie on the typed line only
    // up to that rounding.
    bool rounded = false;
};

// How a line that misses the range is reported. The window and the command
// line say it in their own words, with the range as typed.
inline constexpr std::string_view MissesRangeText
    = "This line does not pass through the range shown";

// Two points of the line inside the visible square, x and y both from lower
// to upper, edges included. Whole numbers when the line has two such points
// there, as far apart as possible; otherwise the two farthest apart with the
// fewest decimal places (at most MaxDecimalPlaces); otherwise the points
// where it meets the square's edges, rounded. Not when the line misses the
// square or only touches a corner of it (MissesRangeText).
Reading<ChosenEndPoints> ChooseEndPoints(
    const Equation& equation, const mpq_class& lower, const mpq_class& upper);

// The same with the range as typed, both bounds read as the fields are in
// exact arithmetic (ReadField): not when either is beyond the limits of
// exact work either.
Reading<ChosenEndPoints> ChooseEndPoints(
    const Equation& equation, std::string_view lower, std::string_view upper);

} // namespace core::exact
