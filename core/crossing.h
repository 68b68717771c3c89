#pragma once

#include <string>
#include <string_view>

namespace core {

enum class CrossingKind { Point, Parallel, Same };

struct Crossing {
    CrossingKind kind;
    std::string caption;
    // The point a caption "(X,  Y)" names, for a crossing point: X as a
    // double, Y as the single the caption writes.
    double x = 0;
    float y = 0;
};

inline constexpr std::string_view ParallelCaption = "Parallel lines. No Intersection.";
inline constexpr std::string_view SameLineCaption = "Same line. Infinite solutions.";

// The two captions as the pupil reads them, in the chosen language: the
// texts above in English.
std::string ParallelCaptionSaid();
std::string SameLineCaptionSaid();

// Where y = m1 x + b1 and y = m2 x + b2 meet, from the texts of the two
// slopes and two y-intercepts as the window shows them. Slopes whose texts
// read back as the same number are parallel; with equal intercepts as well
// the lines coincide. Otherwise the caption is "(X,  Y)" with X written as a
// double and Y, computed on line one, as a single. Raises core::Overflow when
// the point lies beyond the double (X) or single (Y) range.
Crossing FindCrossing(std::string_view slope1, std::string_view slope2, std::string_view yint1,
    std::string_view yint2);

// Where the vertical line x = c meets y = m x + b, m and b read back from
// the texts of that line's slope and y-intercept: X is c, and Y is m * c + b
// worked out in double and narrowed to a single. The caption is "(X,  Y)"
// as for any crossing point. Raises core::Overflow when Y lies beyond the
// single range.
Crossing CrossingWithVertical(double c, std::string_view slope, std::string_view yint);

// The crossing point (X, Y), captioned "(X,  Y)".
Crossing CrossingPoint(double X, float Y);

// Two vertical lines x = c1 and x = c2: the same line when c1 = c2, else
// parallel.
Crossing CrossingOfVerticals(double c1, double c2);

} // namespace core
