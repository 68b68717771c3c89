#pragma once

#include "core/reading.h"

#include <gmpxx.h>
#include <string>
#include <string_view>

namespace core::exact {

// Exact numbers are GMP rationals, always kept reduced with a positive
// denominator.

// The limits of exact work. A typed number, written out in full without an
// exponent, may have at most MaxIntegerDigits digits before the point (from
// its first non-zero digit) and MaxFractionDigits after it (up to its last
// non-zero digit). Every double fits with room to spare: the largest has 309
// integer digits, and any double written with 15 significant digits needs
// at most 338 fraction digits. Within these limits a typed number is below
// 10^1000 with a denominator of at most 10^1000, so a line through two such
// points and the crossing of two lines stay a few thousand digits long and
// take at most milliseconds; a longer or wider number ("1E+999999999", a
// megabyte of digits) is refused after one pass over its text.
inline constexpr long long MaxIntegerDigits = 1000;
inline constexpr long long MaxFractionDigits = 1000;

// How a number beyond the limits is reported.
inline constexpr std::string_view TooLargeText = "too large to work with exactly";

// The leading number of a typed text, read exactly as the decimal it spells:
// "0.1" is 1/10, "2.5E-3" is 1/400. The number is the one Val reads, by the
// same grammar: blanks, tabs and line feeds ignored wherever they stand, an
// optional sign, digits with an optional "." and fraction, and an optional
// exponent ("E" or "e", optional sign, at least one digit). A text without a
// leading number is 0. Nothing when the number is beyond the limits above;
// a number beyond the double range is fine. The problem of a number beyond
// the limits is TooLargeText, about the whole text.
Reading<mpq_class> Read(std::string_view text);

// "p/q", or the integer "p" when q is 1: reduced, the sign on the numerator,
// zero as "0".
std::string FractionText(const mpq_class& q);

// The digits after the point that DecimalText writes at most.
inline constexpr int MaxDecimalPlaces = 50;

// The decimal expansion of q. In full when it ends ("0.125", "-3"); with the
// repeating digits in parentheses when it repeats ("0.(3)", "-1.1(6)",
// "0.(142857)"); and when either would take more than MaxDecimalPlaces digits
// after the point, the first MaxDecimalPlaces of them (cut, not rounded)
// followed by "…" (U+2026, in UTF-8). Zero is "0", never "-0".
std::string DecimalText(const mpq_class& q);

} // namespace core::exact
