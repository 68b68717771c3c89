#include "core/exact_line.h"
#include "core/exact_number.h"
#include "core/exercises.h"
#include "core/practice.h"
#include "core/working.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

using core::exact::DecimalText;
using core::exact::FractionText;
using core::exact::LineThrough;
using core::practice::Check;
using core::practice::Mark;
using core::practice::Question;

std::string readAs(std::string_view text)
{
    const auto q = core::practice::ReadAnswerNumber(text);
    return q ? FractionText(*q) : "not read";
}

struct NumberRow {
    const char* name;
    std::string typed;
    std::string read;
};

class AnswerNumberTest : public testing::TestWithParam<NumberRow> { };

TEST_P(AnswerNumberTest, ReadsTheWholeText)
{
    EXPECT_EQ(readAs(GetParam().typed), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(Numbers, AnswerNumberTest,
    testing::Values(NumberRow { "fraction", "1/2", "1/2" }, NumberRow { "decimal", "0.5", "1/2" },
        NumberRow { "point_first", ".5", "1/2" }, NumberRow { "unreduced", "2/4", "1/2" },
        NumberRow { "minus_sign",
            "\xE2\x88\x92"
            "1/2",
            "-1/2" },
        NumberRow { "plus", "+7", "7" }, NumberRow { "trailing_point", "5.", "5" },
        NumberRow { "third_repeating", "0.(3)", "1/3" },
        NumberRow { "seven_sixths", "1.1(6)", "7/6" }, NumberRow { "nines_are_one", "0.(9)", "1" },
        NumberRow { "seventh", "0.(142857)", "1/7" },
        NumberRow { "whole_then_repeat", "1.(3)", "4/3" },
        NumberRow { "decimal_over_whole", "1.5/3", "1/2" },
        NumberRow { "repeating_divisor", "1/0.(3)", "3" },
        NumberRow { "negative_divisor", "3/-4", "-3/4" },
        NumberRow { "blanks_around_sign_and_bar", " \t- 3 /  4 ", "-3/4" },
        NumberRow { "three_digits_are_not_a_third", "0.333", "333/1000" },
        NumberRow { "most_integer_digits", std::string(1000, '9'), std::string(1000, '9') },
        NumberRow { "leading_zeros_are_free", std::string(5000, '0') + "5", "5" },
        NumberRow { "mixed_number", "1 1/2", "not read" },
        NumberRow { "blank_in_digits", "1 000", "not read" },
        NumberRow { "divides_by_zero", "1/0", "not read" },
        NumberRow { "divides_by_repeating_zero", "1/0.(0)", "not read" },
        NumberRow { "decimal_comma", "2,5", "not read" }, NumberRow { "word", "abc", "not read" },
        NumberRow { "lone_sign", "-", "not read" }, NumberRow { "lone_point", ".", "not read" },
        NumberRow { "two_signs", "--5", "not read" }, NumberRow { "exponent", "1e3", "not read" },
        NumberRow { "no_divisor", "5/", "not read" },
        NumberRow { "unclosed_repeat", "0.(3", "not read" },
        NumberRow { "empty_repeat", "0.()", "not read" },
        NumberRow { "repeat_without_point", "1(3)", "not read" },
        NumberRow { "one_integer_digit_too_many", std::string(1001, '9'), "not read" },
        NumberRow { "repeat_too_long", "0.(" + std::string(1001, '3') + ")", "not read" }),
    [](const auto& info) { return std::string(info.param.name); });

// The lines the rows ask about, by name.
const core::exact::Line half = LineThrough(0, 3, 2, 4); // y = x/2 + 3
const core::exact::Line falling = LineThrough(0, 6, 6, 0); // y = -x + 6, meets half at (2, 4)
const core::exact::Line halfHigher = LineThrough(0, 5, 2, 6);
const core::exact::Line halfAgain = LineThrough(-6, 0, 4, 5);
const core::exact::Line third = LineThrough(0, 0, 3, 1);
const core::exact::Line upright = LineThrough(2, 0, 2, 5); // x = 2
const core::exact::Line yAxis = LineThrough(0, 1, 0, 5);
const core::exact::Line point = LineThrough(1, 1, 1, 1);
const core::exact::Line diagonal = LineThrough(0, 0, 1, 1);
const core::exact::Line steep = LineThrough(0, 1, 1, -1); // meets diagonal at (1/3, 1/3)

struct CheckRow {
    const char* name;
    Question question;
    const core::exact::Line* one;
    const core::exact::Line* two;
    const char* typed;
    Mark mark;
};

class CheckTest : public testing::TestWithParam<CheckRow> { };

TEST_P(CheckTest, MarksTheAnswer)
{
    const CheckRow& row = GetParam();
    EXPECT_EQ(Check(row.question, row.typed, *row.one, *row.two), row.mark);
}

constexpr auto R = Mark::Right, W = Mark::Wrong, E = Mark::Empty;

INSTANTIATE_TEST_SUITE_P(Answers, CheckTest,
    testing::Values(CheckRow { "slope_fraction", Question::Slope1, &half, &falling, "1/2", R },
        CheckRow { "slope_decimal", Question::Slope1, &half, &falling, " 0.5 ", R },
        CheckRow { "slope_of_line_two", Question::Slope2, &half, &falling, "-1", R },
        CheckRow { "slope_third_repeating", Question::Slope1, &third, &half, "0.(3)", R },
        CheckRow { "slope_third_cut", Question::Slope1, &third, &half, "0.333", W },
        CheckRow { "slope_undefined", Question::Slope1, &upright, &half, "UnDefined ", R },
        CheckRow {
            "slope_undefined_not_vertical", Question::Slope1, &half, &falling, "undefined", W },
        CheckRow { "slope_number_of_vertical", Question::Slope1, &upright, &half, "0", W },
        CheckRow { "slope_wrong_value", Question::Slope1, &half, &falling, "2", W },
        CheckRow { "slope_mixed_number", Question::Slope1, &half, &falling, "1 1/2", W },
        CheckRow { "slope_blank", Question::Slope1, &half, &falling, " \t ", E },
        CheckRow { "slope_of_a_point", Question::Slope1, &point, &half, "0", W },
        CheckRow { "yint_number", Question::Yint1, &half, &falling, "3", R },
        CheckRow { "yint_point", Question::Yint2, &half, &falling, "( 0 , 6 )", R },
        CheckRow { "yint_point_off_axis", Question::Yint1, &half, &falling, "(1, 3)", W },
        CheckRow { "yint_none", Question::Yint1, &upright, &half, "None", R },
        CheckRow { "yint_all_not_axis", Question::Yint1, &upright, &half, "all", W },
        CheckRow { "yint_all", Question::Yint2, &half, &yAxis, "all", R },
        CheckRow { "yint_none_of_axis", Question::Yint2, &half, &yAxis, "none", W },
        CheckRow { "equation_decimal", Question::Equation1, &half, &falling, "y = 0.5x + 3", R },
        CheckRow { "equation_doubled", Question::Equation1, &half, &falling, "2y = x + 6", R },
        CheckRow {
            "equation_point_slope", Question::Equation1, &half, &falling, "y - 3 = 1/2(x - 0)", R },
        CheckRow { "equation_vertical", Question::Equation1, &upright, &half, "x = 2", R },
        CheckRow { "equation_other_line", Question::Equation2, &half, &falling, "y = 0.5x + 3", W },
        CheckRow { "equation_unread", Question::Equation1, &half, &falling, "y = 0.5x +", W },
        CheckRow { "crossing_bracketed", Question::Crossing, &half, &falling, "(2, 4)", R },
        CheckRow { "crossing_bare", Question::Crossing, &half, &falling, "  2 ,4 ", R },
        CheckRow { "crossing_unclosed", Question::Crossing, &half, &falling, "(2, 4", W },
        CheckRow {
            "crossing_repeating_bare", Question::Crossing, &diagonal, &steep, "0.(3), 0.(3)", R },
        CheckRow { "crossing_y_off", Question::Crossing, &half, &falling, "(2, 5)", W },
        CheckRow { "crossing_swapped", Question::Crossing, &half, &falling, "(4, 2)", W },
        CheckRow { "crossing_decimal_comma", Question::Crossing, &half, &falling, "(2,0, 4)", W },
        CheckRow { "crossing_parallel", Question::Crossing, &half, &halfHigher, "Parallel", R },
        CheckRow {
            "crossing_parallel_said_same", Question::Crossing, &half, &halfHigher, "same", W },
        CheckRow { "crossing_same", Question::Crossing, &half, &halfAgain, "same", R },
        CheckRow {
            "crossing_the_same_line", Question::Crossing, &half, &halfAgain, " The  same LINE", R },
        CheckRow { "crossing_parallel_said_of_one_line", Question::Crossing, &half, &halfAgain,
            "parallel", W },
        CheckRow { "crossing_word", Question::Crossing, &half, &falling, "abc", W },
        CheckRow { "crossing_of_a_point", Question::Crossing, &point, &half, "(0, 3)", W }),
    [](const auto& info) { return std::string(info.param.name); });

// A repeating decimal the engine writes reads back as the same number.
TEST(AnswerNumberProperty, DecimalTextReadsBack)
{
    std::mt19937 random(5);
    std::uniform_int_distribution<long> numerator(-5000, 5000), denominator(1, 400);
    for (int k = 0; k < 2000; ++k) {
        mpq_class r(numerator(random), denominator(random));
        r.canonicalize();
        const std::string text = DecimalText(r);
        if (text.find("\xE2\x80\xA6") == std::string::npos) {
            EXPECT_EQ(readAs(text), FractionText(r)) << text;
        }
    }
}

// Every exact answer the answer key writes is right, in the key's own words
// and in other usual forms; the same answer off by 1/1000 is wrong.
TEST(CheckProperty, TheKeysAnswersAreRightAndNearMissesWrong)
{
    const mpq_class near(1, 1000);
    int checked = 0;
    for (int level = core::lowestLevel; level <= core::highestLevel; ++level) {
        for (std::uint64_t seed = 0; seed < 4; ++seed) {
            for (const core::Exercise& e : core::makeExercises(30, level, seed)) {
                SCOPED_TRACE(testing::Message()
                    << "level " << level << ", seed " << seed << ": " << testing::PrintToString(e));
                const auto texts = core::exerciseTexts(e);
                const auto steps = core::WorkingFor({ texts[0], texts[1], texts[2], texts[3] },
                    { texts[4], texts[5], texts[6], texts[7] });
                const auto one = LineThrough(e[0], e[1], e[2], e[3]);
                const auto two = LineThrough(e[4], e[5], e[6], e[7]);
                for (const Question question : core::practice::questions) {
                    const auto step = std::find_if(steps.begin(), steps.end(),
                        [&](const auto& s) { return s.id == core::practice::StepId(question); });
                    ASSERT_NE(step, steps.end()) << core::practice::StepId(question);
                    ASSERT_TRUE(step->result);
                    EXPECT_EQ(Check(question, *step->result, one, two), Mark::Right)
                        << *step->result;
                }
                for (const auto* line : { &one, &two }) {
                    const auto* other = line == &one ? &two : &one;
                    const Question slope = line == &one ? Question::Slope1 : Question::Slope2;
                    const Question yint = line == &one ? Question::Yint1 : Question::Yint2;
                    const Question equation
                        = line == &one ? Question::Equation1 : Question::Equation2;
                    const auto ask = [&](Question q, const std::string& typed) {
                        return line == &one ? Check(q, typed, *line, *other)
                                            : Check(q, typed, *other, *line);
                    };
                    EXPECT_EQ(ask(equation, *core::exact::EquationText(*line)), Mark::Right);
                    if (line->kind != core::exact::LineKind::Line) {
                        EXPECT_EQ(ask(slope, "0"), Mark::Wrong);
                        continue;
                    }
                    const mpq_class& m = line->slope;
                    const mpq_class& b = line->yIntercept.at;
                    EXPECT_EQ(ask(slope, DecimalText(m)), Mark::Right) << DecimalText(m);
                    EXPECT_EQ(ask(yint, "(0, " + DecimalText(b) + ")"), Mark::Right);
                    EXPECT_EQ(ask(slope, FractionText(m + near)), Mark::Wrong);
                    EXPECT_EQ(ask(yint, FractionText(b - near)), Mark::Wrong);
                    const auto moved = LineThrough(0, b + near, 1, m + b + near);
                    EXPECT_EQ(ask(equation, *core::exact::EquationText(moved)), Mark::Wrong);
                    ++checked;
                }
                const auto crossing = core::exact::CrossingOf(one, two);
                if (crossing.kind == core::exact::CrossingKind::Point) {
                    const auto at = [&](const mpq_class& x, const mpq_class& y) {
                        return Check(
                            Question::Crossing, DecimalText(x) + ", " + DecimalText(y), one, two);
                    };
                    EXPECT_EQ(at(crossing.x, crossing.y), Mark::Right);
                    EXPECT_EQ(at(crossing.x + near, crossing.y), Mark::Wrong);
                    EXPECT_EQ(at(crossing.x, crossing.y - near), Mark::Wrong);
                }
            }
        }
    }
    EXPECT_GT(checked, 500);
}

} // namespace
