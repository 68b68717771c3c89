#pragma once

#include <gmpxx.h>
#include <string>
#include <string_view>

// The number texts the working is written with.
namespace core::working_text {

// A typed number as typed, blanks dropped ("2.5", "-6", ".5"), when it is a
// plain decimal; otherwise (an exponent, trailing letters) the value it
// reads as, in the shortest of ShortText's forms. A zero typed with a minus
// ("-0", "-0.0") loses it: the working never writes -0.
std::string AsTyped(std::string_view typed, const mpq_class& value);

// A terminating decimal when it is short ("2.4", "-3"), else a fraction.
std::string ShortText(const mpq_class& q);

// The fraction, then its decimal when that is short or repeating:
// "1/3 = 0.(3)", "1/2 = 0.5"; a whole number alone: "4".
std::string WithDecimal(const mpq_class& q);

// m times x as a pupil writes it: "3/2 x", "-2 x", and "x" and "-x" for
// 1 and -1, whose 1 nobody writes.
std::string TimesX(const mpq_class& m);

// A text after an operator: a negative one in brackets, "(-6)".
std::string Term(const std::string& text);

// The fraction of q as a divisor: in brackets when negative or a fraction,
// so that "-3 / (1/2)" reads as it is meant.
std::string Divisor(const mpq_class& q);

} // namespace core::working_text
