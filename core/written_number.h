#pragma once

#include "core/reading.h"

#include <cstddef>
#include <gmpxx.h>
#include <optional>
#include <string_view>

// Numbers as a pupil writes them on paper, read exactly. One reader for
// Practice's answers, the equation reader's numbers and the end-point
// fields, so that "1 1/2" is one number wherever it is typed.
namespace core::exact {

// Reads the whole text as one number, blanks before and after allowed:
//  - a whole number or a decimal with a point: "5", "5.", ".5", "-0.25";
//  - with a repeating part in brackets right after the point: "0.(3)",
//    "-1.1(6)";
//  - a fraction of two such numbers, with "/" or the fraction slash "⁄":
//    "2/4", "1.5/3", "1/-2";
//  - a mixed number: a whole number, blanks, then a proper fraction of
//    whole numbers ("10 2/3" is 32/3), or a whole number and a fraction
//    character ("1½", "1 ½");
//  - a fraction character alone: ½ ⅓ ⅔ ¼ ¾ ⅕ ⅖ ⅗ ⅘ ⅙ ⅚ ⅛ ⅜ ⅝ ⅞;
//  - any of these in brackets: "(−2)", "-(4/3)".
// A sign ("-", "+", the minus sign "−", or the dash "–" a word processor
// makes of "-"; "+ -3" is -3) may stand before the number or its bracket, and belongs to the whole
// of a mixed number: "-1 1/3" is -4/3. Blanks may stand around the sign, the brackets and the "/",
// never inside a number's digits. Anything else is not a number, and the problem says what to write
// instead: "2,5" is "write 2.5 with a point", "1 000" asks for the digits without blanks, "2 3" for
// one number; so is a division by zero and a number beyond the limits of exact work.
Reading<mpq_class> ReadWrittenNumber(std::string_view text);

// What a problem says when the text is not even close to a number ("write a
// number, such as 3, -1.5, 2/3 or 1 1/2"), in the chosen language: a reader
// that asks for something more particular puts its own advice instead.
std::string NotANumberAdvice();

// A typed field whose whole text (blanks trimmed) is a fraction, a mixed
// number or a fraction character, read as that number: "1/2", "1 1/2",
// "-3/4", "½". Nothing for any other text, a plain decimal included: the
// designed reading of a field stays its reading wherever it makes sense,
// and only what it would turn into another number ("1 1/2" as 11, "1/2" as
// 1) is read as the pupil meant it.
std::optional<mpq_class> WrittenFraction(std::string_view text);

// A typed end point or bound in exact arithmetic: the number WrittenFraction
// reads, or else the number exact::Read reads.
Reading<mpq_class> ReadField(std::string_view text);

// A number read from the start of a longer text, and how many bytes of it
// it took.
struct NumberAt {
    mpq_class value;
    std::size_t bytes = 0;
};

// A mixed number without a sign at the start of text: a whole number,
// blanks, then a proper fraction of whole numbers ("1 1/2", but not
// "1 3/2"), or a whole number then a fraction character, with or without
// blanks ("1½", "1 ½"). Nothing when text does not start with one, or when
// its digits are beyond the limits of exact work.
std::optional<NumberAt> MixedNumberAt(std::string_view text);

// The fraction character at the start of text and its value ("½" is 1/2).
std::optional<NumberAt> FractionCharacterAt(std::string_view text);

// The fraction character for q, when there is one: "½" for 1/2.
std::optional<std::string_view> FractionCharacter(const mpq_class& q);

} // namespace core::exact
