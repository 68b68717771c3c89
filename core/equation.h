#pragma once

#include "core/exact_line.h"
#include "core/reading.h"

#include <gmpxx.h>
#include <string_view>

namespace core::exact {

// A straight line typed as its equation, brought to the form a x + b y = c,
// with a and b not both zero.
struct Equation {
    mpq_class a, b, c;
};

// Reads one equation in x and y of degree one, exactly. It takes the forms
// a school book writes: "y = 2x + 3", "2x + 3y = 6", "y - 3 = 2(x - 1)",
// "x = 4", terms on both sides; the window's own texts (" Y = 0.5 X +  3",
// " Y = 2 X +  -3", " X = 3"); decimals with an optional exponent ("1.5E-3"),
// fractions, brackets, capital or small X and Y, blanks anywhere between the
// parts, "−" for minus, "·" or "×" or "*" for times, "÷" or "/" for divided
// by, "^" and "²", "³" for whole powers. A factor written next to another
// multiplies it, and binds no tighter than "/": "1/2x" is (1/2)·x, as school
// books mean it. It refuses an empty text, a text without "=" or with two,
// an equation without x or y, one whose x and y cancel out ("0x + 0y = 5"),
// a term that makes a curve ("x²", "xy", "1/x"), a division by zero, and a
// number beyond the limits of exact work, each with its message and the
// piece of the text it is about.
Reading<Equation> ReadEquation(std::string_view text);

// The line the equation describes, with its slope and intercepts.
Line LineOf(const Equation& equation);

} // namespace core::exact
