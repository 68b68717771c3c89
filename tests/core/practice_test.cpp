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

const NumberRow numberRows[] = {
    { "fraction", "1/2", "1/2" },
    { "decimal", "0.5", "1/2" },
    { "point_first", ".5", "1/2" },
    { "unreduced", "2/4", "1/2" },
    { "minus_sign",
        "\xE2\x88\x92"
        "1/2",
        "-1/2" },
    { "plus", "+7", "7" },
    { "trailing_point", "5.", "5" },
    { "third_repeating", "0.(3)", "1/3" },
    { "seven_sixths", "1.1(6)", "7/6" },
    { "nines_are_one", "0.(9)", "1" },
    { "seventh", "0.(142857)", "1/7" },
    { "whole_then_repeat", "1.(3)", "4/3" },
    { "repeating_divisor", "1/0.(3)", "3" },
    { "blanks_around_sign_and_bar", " \t- 3 /  4 ", "-3/4" },
    { "three_digits_are_not_a_third", "0.333", "333/1000" },
    { "most_integer_digits", std::string(1000, '9'), std::string(1000, '9') },
    { "mixed_number", "1 1/2", "not read" },
    { "blank_in_digits", "1 000", "not read" },
    { "divides_by_zero", "1/0", "not read" },
    { "decimal_comma", "2,5", "not read" },
    { "exponent", "1e3", "not read" },
    { "repeat_without_point", "1(3)", "not read" },
    { "one_integer_digit_too_many", std::string(1001, '9'), "not read" },
    { "repeat_too_long", "0.(" + std::string(1001, '3') + ")", "not read" },
};

INSTANTIATE_TEST_SUITE_P(Numbers, AnswerNumberTest, testing::ValuesIn(numberRows),
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
using enum Question;

const CheckRow checkRows[] = {
    { "slope_fraction", Slope1, &half, &falling, "1/2", R },
    { "slope_decimal", Slope1, &half, &falling, " 0.5 ", R },
    { "slope_third_repeating", Slope1, &third, &half, "0.(3)", R },
    { "slope_third_cut", Slope1, &third, &half, "0.333", W },
    { "slope_undefined", Slope1, &upright, &half, "UnDefined ", R },
    { "slope_undefined_not_vertical", Slope1, &half, &falling, "undefined", W },
    { "slope_number_of_vertical", Slope1, &upright, &half, "0", W },
    { "slope_wrong_value", Slope1, &half, &falling, "2", W },
    { "slope_blank", Slope1, &half, &falling, " \t ", E },
    { "slope_of_a_point", Slope1, &point, &half, "0", W },
    { "yint_number", Yint1, &half, &falling, "3", R },
    { "yint_point", Yint2, &half, &falling, "( 0 , 6 )", R },
    { "yint_point_off_axis", Yint1, &half, &falling, "(1, 3)", W },
    { "yint_none", Yint1, &upright, &half, "None", R },
    { "yint_all_not_axis", Yint1, &upright, &half, "all", W },
    { "yint_all", Yint2, &half, &yAxis, "all", R },
    { "yint_none_of_axis", Yint2, &half, &yAxis, "none", W },
    { "equation_decimal", Equation1, &half, &falling, "y = 0.5x + 3", R },
    { "equation_doubled", Equation1, &half, &falling, "2y = x + 6", R },
    { "equation_point_slope", Equation1, &half, &falling, "y - 3 = 1/2(x - 0)", R },
    { "equation_vertical", Equation1, &upright, &half, "x = 2", R },
    { "equation_parallel", Equation1, &half, &falling, "y = 0.5x + 4", W },
    { "equation_unread", Equation1, &half, &falling, "y = 0.5x +", W },
    { "crossing_bracketed", Crossing, &half, &falling, "(2, 4)", R },
    { "crossing_bare", Crossing, &half, &falling, "  2 ,4 ", R },
    { "crossing_unclosed", Crossing, &half, &falling, "(2, 4", W },
    { "crossing_repeating_bare", Crossing, &diagonal, &steep, "0.(3), 0.(3)", R },
    { "crossing_y_off", Crossing, &half, &falling, "(2, 5)", W },
    { "crossing_decimal_comma", Crossing, &half, &falling, "(2,0, 4)", W },
    { "crossing_parallel", Crossing, &half, &halfHigher, "Parallel", R },
    { "crossing_parallel_said_same", Crossing, &half, &halfHigher, "same", W },
    { "crossing_same", Crossing, &half, &halfAgain, "same", R },
    { "crossing_the_same_line", Crossing, &half, &halfAgain, " The  same LINE", R },
    { "crossing_word", Crossing, &half, &falling, "abc", W },
    { "crossing_of_a_point", Crossing, &point, &half, "(0, 3)", W },
};

INSTANTIATE_TEST_SUITE_P(Answers, CheckTest, testing::ValuesIn(checkRows),
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

// Every exact answer the answer key writes is right, as a fraction and as a
// decimal; the same answer off by 1/1000 is wrong.
TEST(CheckProperty, TheKeysAnswersAreRightAndNearMissesWrong)
{
    const mpq_class near(1, 1000);
    int checked = 0;
    for (int level = core::LowestLevel; level <= core::HighestLevel; ++level) {
        for (std::uint64_t seed = 0; seed < 4; ++seed) {
            for (const core::Exercise& e : core::MakeExercises(30, level, seed)) {
                SCOPED_TRACE(testing::Message()
                    << "level " << level << ", seed " << seed << ": " << testing::PrintToString(e));
                const auto texts = core::ExerciseTexts(e);
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
                for (const auto& line : { one, two }) {
                    if (line.kind != core::exact::LineKind::Line) {
                        EXPECT_EQ(core::practice::CheckSlope("0", line), Mark::Wrong);
                        continue;
                    }
                    const mpq_class& m = line.slope;
                    const mpq_class& b = line.yIntercept.at;
                    const auto moved = LineThrough(0, b + near, 1, m + b + near);
                    EXPECT_EQ(core::practice::CheckSlope(DecimalText(m), line), Mark::Right);
                    EXPECT_EQ(
                        core::practice::CheckSlope(FractionText(m + near), line), Mark::Wrong);
                    EXPECT_EQ(
                        core::practice::CheckIntercept(FractionText(b - near), line), Mark::Wrong);
                    EXPECT_EQ(
                        core::practice::CheckEquation(*core::exact::EquationText(moved), line),
                        Mark::Wrong);
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
