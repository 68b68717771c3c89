#pragma once

#include "core/exact_line.h"

#include <cstddef>
#include <gmpxx.h>
#include <optional>
#include <string>
#include <string_view>

namespace core::exact {

// A straight line typed as its equation, brought to the form a x + b y = c,
// with a and b not both zero.
struct Equation {
    mpq_class a, b, c;
};

// What came of reading an equation: the equation, or why not and where.
struct EquationReading {
    std::optional<Equation> equation;
    // Why it cannot be read, in a pupil's words: "x² makes a curve, not a
    // straight line". Empty when it was read.
    std::string problem;
    // The piece of the text the problem is about, in characters (not bytes)
    // from the start; a length of 0 is a place between two characters.
    std::size_t at = 0;
    std::size_t length = 0;
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
// number beyond the limits of exact work, each with its message.
EquationReading ReadEquation(std::string_view text);

// The line the equation describes, with its slope and intercepts.
Line LineOf(const Equation& equation);

} // namespace core::exact
