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
