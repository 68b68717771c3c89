#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace core {

// Reads the number a user typed. Blanks, tabs and line feeds are ignored
// wherever they stand; then come an optional sign, digits with an optional
// "." and fraction, and an optional exponent ("E" or "e", optional sign, at
// least one digit). Reading stops at the first character that does not fit.
// A text without a leading number is 0. Only a number beyond the double range
// fails, with core::Overflow; one too small to represent reads as zero.
double Val(std::string_view text);

// The leading number of a typed text, part by part, as Val reads it: the one
// reading of typed numbers, shared by everything that reads them.
struct TypedNumber {
    bool negative = false; // a "-" stood first (with or without digits after it)
    std::string whole; // the digits before the "."
    std::string fraction; // the digits after it
    // The written exponent, 0 without one. Its magnitude is capped at
    // ExponentCap plus the length of the text: with an exponent that far out
    // the number lies far beyond any range the program works in, however
    // many digits stand before it.
    long long exponent = 0;
    // Just behind the number's last character in the text; 0 when the text
    // holds no number (no digit before any "E").
    std::size_t end = 0;

    bool hasDigits() const { return !whole.empty() || !fraction.empty(); }
};
inline constexpr long long ExponentCap = 100000000;

TypedNumber ReadTypedNumber(std::string_view text);

// Whether Val reads all of a text: it holds a number and, blanks aside,
// nothing else. "1,5", "3e", "abc" and "" are not read in full.
bool ReadsInFull(std::string_view text);

// The one way a number is written: 15 significant digits for a double, 7 for
// a single, fixed-point for moderate exponents and "1.5E+20" style otherwise,
// never a "-0", always "." as the separator, whatever the user's locale.
std::string NumberToText(double x);
std::string NumberToText(float x);
std::string NumberToText(std::int16_t x);

// Reads back a text that NumberToText wrote, a decimal number of the form
// [-]digits[.digits][(E|e)[+|-]digits] with nothing around it:
// core::TypeMismatch for any other text (the empty text included),
// core::Overflow for a number beyond the double range.
double TextToNumber(std::string_view text);

// The greatest whole number not above x.
double Int(double x);

// x rounded to the given count of decimal places, halves to even. The single
// form gives the single nearest the rounded value.
double Round(double x, int places);
float Round(float x, int places);

// x rounded to a whole number, halves to even; core::Overflow outside
// -32768..32767.
std::int16_t ToInteger16(double x);

} // namespace core
