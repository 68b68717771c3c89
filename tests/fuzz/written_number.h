#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fuzz {

// A text in the one form the program writes numbers in: fixed-point
// -?(0|[1-9][0-9]*)(\.[0-9]*[1-9])? or scientific -?[1-9](\.[0-9]*[1-9])?E[+-][0-9]{2,3}.
struct WrittenNumber {
    bool negative = false;
    std::string digits; // significant digits, no leading or trailing zeros; empty for zero
    int exponent = 0; // decimal exponent of the first significant digit
    bool scientific = false;
    int exponentWidth = 0; // digits written after "E+" or "E-"
};

// The parts of a text of that form, or nothing when the text has another form.
std::optional<WrittenNumber> ReadWritten(std::string_view text);

// Whether a number written with `significant` digits, fixed-point for
// -5 < e < fixedBelow, would come out exactly as `w`: zero as "0", notation
// chosen by the exponent, the exponent with two digits at least and no
// leading zero beyond them.
bool IsCanonical(const WrittenNumber& w, int significant, int fixedBelow);

// Significant digits (trailing zeros dropped) and decimal exponent of |x|
// rounded to `significant` digits by the C library's printf.
WrittenNumber PrintfDigits(double x, int significant);

// Whether the text is [-]digits[.digits][(E|e)[+|-]digits], the decimal form
// that reading a written number accepts (leading and trailing zeros allowed).
bool IsDecimalNumber(std::string_view text);

} // namespace fuzz
