#pragma once

#include "core/exact_line.h"

#include <array>
#include <gmpxx.h>
#include <string>
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

// Nothing typed (only blanks); right; wrong; or not read: the text is not
// an answer of that kind at all ("5x + 17" for an equation, "2,5" for a
// number), which counts neither against the pupil nor for them.
enum class Mark { Empty, Right, Wrong, NotRead };

// A mark, and for an answer not read, how to write it in words a pupil
// follows ("write it as an equation: y = 5x + 17").
struct Verdict {
    Mark mark = Mark::Empty;
    std::string advice;

    bool operator==(Mark other) const { return mark == other; }
};

// Every check takes the usual ways of writing its answer, in any case and
// with any blanks, and reads numbers as exact::ReadWrittenNumber does
// ("-1 1/3", "½", "-(4/3)" and "0.(3)" are numbers).

// The slope: a number, alone or after a label ("m = 5", "slope: 5"); for a
// vertical line "undefined", "not defined", "does not exist", "none" or
// "no slope".
Verdict CheckSlope(std::string_view typed, const exact::Line& line);
// Where the line meets the y-axis: the number b, alone or after a label
// ("b = 17", "c = 17", "y-intercept = 17"), or the point "(0, b)". For a
// vertical line "none" ("no y-intercept", "does not exist", "undefined"),
// or for the y-axis itself "all" ("every point", "infinitely many", "the
// whole line").
Verdict CheckIntercept(std::string_view typed, const exact::Line& line);
// An equation of the same line, read by exact::ReadEquation: "y = ...",
// "f(x) = ...", or any equivalent linear equation. A bare expression is
// not read.
Verdict CheckEquation(std::string_view typed, const exact::Line& line);
// Where the lines cross: "(x, y)", "x, y", "(x | y)", "(x; y)",
// "x = 1, y = 2" or "x = 1 and y = 2"; words for lines that never meet
// ("parallel", "no solution", ...) or are one line ("the same line",
// "infinitely many", ...).
Verdict CheckCrossing(std::string_view typed, const exact::Crossing& crossing);

// The answer to one question about the lines one and two.
Verdict Check(
    Question question, std::string_view typed, const exact::Line& one, const exact::Line& two);

} // namespace core::practice
