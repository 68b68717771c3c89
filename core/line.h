#pragma once

#include <string>
#include <string_view>

namespace core {

// The two end points of a line as typed, in the user's plane (y grows up).
struct EndPoints {
    double X1, Y1, X2, Y2;
};

// The texts shown for a line through two points. Each step is one rounded
// double operation in a fixed order, because the texts depend on it digit for
// digit; a slope or intercept taken as text is read back from that text, so
// it carries the 15-digit rounding of what the window shows. Each raises one
// of the errors of core/errors.h instead of yielding a text when it fails.

// (Y2 - Y1) / (X2 - X1). A vertical line has no slope.
std::string SlopeText(const EndPoints& p);

// -(s * X2 - Y2), with s read back from the slope text S.
std::string InterceptText(std::string_view S, double X2, double Y2);

// " Y = S X +  B", texts as they stand.
std::string EquationText(std::string_view S, std::string_view B);

// Line one's x-axis crossing: minus the y-intercept YA, read back from its
// text, over the slope computed afresh from the end points.
std::string XInterceptFromIntercept(std::string_view YA, const EndPoints& p);

// Line two's x-axis crossing: (X2 * s - Y2), s read back from the slope text,
// over the slope computed afresh from the end points.
std::string XInterceptFromSlope(std::string_view S, const EndPoints& p);

// A vertical line, X1 = X2 with end points that differ, is the line x = c
// with c = X1. It has no slope; it meets the y-axis nowhere, or everywhere
// when it is the y-axis itself; it meets the x-axis at c.
inline constexpr std::string_view UndefinedSlope = "undefined";

// "none", or "all" when c is 0.
std::string VerticalInterceptText(double c);

// " X = c".
std::string VerticalEquationText(double c);

} // namespace core
