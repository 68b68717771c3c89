#pragma once

#include "core/exact_line.h"

#include <array>
#include <gmpxx.h>
#include <optional>
#include <string_view>

// Checking a pupil's answers to an exercise. An answer is right when it is
// exactly equal to the exact answer, whatever usual form it is written in:
// "1/2", "0.5", ".5" and "2/4" are one number, "y = 0.5x + 3" and
// "2y = x + 6" one line, "(2, 4)" and "2, 4" one point; "0.333" is not 1/3,
// and "0.(3)" is.
namespace core::practice {

// The answers asked for, in the order the pupil gives them.
enum class Question { Slope1, Yint1, Equation1, Slope2, Yint2, Equation2, Crossing };
inline constexpr std::array<Question, 7> questions { Question::Slope1, Question::Yint1,
    Question::Equation1, Question::Slope2, Question::Yint2, Question::Equation2,
    Question::Crossing };

// The id of the step of the working that reaches the answer ("slope1",
// "yint1", "equation1", ..., "crossing").
std::string_view StepId(Question question);

// Nothing typed (only blanks), right, or wrong.
enum class Mark { Empty, Right, Wrong };

// A number as a pupil writes it, the whole text and nothing else: an
// optional sign ("-", "+" or the minus sign U+2212), digits with an optional
// point and fraction (".5", "5." and "0.5" are all read), optionally a
// repeating part in brackets after the point ("0.(3)", "-1.1(6)"), and
// optionally "/" and a second such number for a fraction ("2/4", "-1/2",
// "1.5/3"). Blanks may stand before and after the whole and around the sign
// and the "/", never inside a number's digits: "1 1/2" is not read. Nothing
// when the text is not such a number, divides by zero, or is beyond the
// limits of exact work.
std::optional<mpq_class> ReadAnswerNumber(std::string_view text);

// The slope: a number, or "undefined" for a vertical line.
Mark CheckSlope(std::string_view typed, const exact::Line& line);
// Where the line meets the y-axis: the number b or the point "(0, b)"; for a
// vertical line "none", or "all" when it is the y-axis itself.
Mark CheckIntercept(std::string_view typed, const exact::Line& line);
// An equation of the same line, read by exact::ReadEquation.
Mark CheckEquation(std::string_view typed, const exact::Line& line);
// Where the lines cross: "(x, y)" or "x, y"; "parallel" for lines that never
// meet; "same" or "the same line" for one line. Words in any case.
Mark CheckCrossing(std::string_view typed, const exact::Crossing& crossing);

// The answer to one question about the lines one and two.
Mark Check(
    Question question, std::string_view typed, const exact::Line& one, const exact::Line& two);

} // namespace core::practice
