#pragma once

#include <QString>

#include <functional>

// A result too wide for its box is shown with shortened numbers rather than
// cut at the box's edge: each number keeps its sign, its digits before the
// point, its first digits after it and its exponent, and "…" marks the
// digits left out, so "1.11022302462516E-15" may read "1.1102…E-15". Every
// number of a text is shortened to the same count of decimals, the most that
// lets the whole text fit, down to none in the narrowest boxes ("1…E-15");
// a number keeps at least its first digit that is not zero. Words and
// integers are never shortened.
namespace short_numbers {

// The width of a text, in pixels (QFontMetrics::horizontalAdvance).
using Measure = std::function<int(const QString&)>;

// `text` itself when it fits `width`; else its numbers shortened so that it
// fits, or as far as they can be when even that does not fit.
QString fit(const QString& text, int width, const Measure& measure);

} // namespace short_numbers
