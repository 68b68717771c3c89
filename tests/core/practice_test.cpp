#include "core/exact_line.h"
#include "core/exact_number.h"
#include "core/exercises.h"
#include "core/practice.h"
#include "core/working.h"
#include "core/written_number.h"

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
    const auto q = core::exact::ReadWrittenNumber(text);
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
    { "mixed_number", "1 1/2", "3/2" },
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
const core::exact::Line fourThirds = LineThrough(0, 0, -3, 4); // y = -4/3 x
const core::exact::Line halfUp = LineThrough(0, 1.5, 1, 2.5); // y = x + 3/2

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

constexpr auto R = Mark::Right, W = Mark::Wrong, E = Mark::Empty, N = Mark::NotRead;
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
    { "equation_unread", Equation1, &half, &falling, "y = 0.5x +", N },
    { "crossing_bracketed", Crossing, &half, &falling, "(2, 4)", R },
    { "crossing_bare", Crossing, &half, &falling, "  2 ,4 ", R },
    { "crossing_unclosed", Crossing, &half, &falling, "(2, 4", N },
    { "crossing_repeating_bare", Crossing, &diagonal, &steep, "0.(3), 0.(3)", R },
    { "crossing_y_off", Crossing, &half, &falling, "(2, 5)", W },
    { "crossing_decimal_comma", Crossing, &half, &falling, "(2,0, 4)", N },
    { "crossing_parallel", Crossing, &half, &halfHigher, "Parallel", R },
    { "crossing_parallel_said_same", Crossing, &half, &halfHigher, "same", W },
    { "crossing_same", Crossing, &half, &halfAgain, "same", R },
    { "crossing_the_same_line", Crossing, &half, &halfAgain, " The  same LINE", R },
    { "crossing_word", Crossing, &half, &falling, "abc", N },
    { "crossing_of_a_point", Crossing, &point, &half, "(0, 3)", W },
    // The usual ways of writing an answer, in any case and with any blanks.
    { "slope_labelled_m", Slope1, &half, &falling, "m = 1/2", R },
    { "slope_labelled_tight", Slope1, &half, &falling, "M=0.5", R },
    { "slope_labelled_word", Slope1, &half, &falling, "Slope: 1/2", R },
    { "slope_mixed_number", Slope1, &fourThirds, &half, "-1 1/3", R },
    { "slope_mixed_character", Slope1, &fourThirds, &half,
        "\xE2\x88\x92"
        "1\xE2\x85\x93",
        R },
    { "slope_minus_bracket_fraction", Slope1, &fourThirds, &half, "-(4/3)", R },
    { "yint_mixed_number", Yint1, &halfUp, &half, "b = 1 1/2", R },
    { "yint_whole_and_half", Yint1, &halfUp, &half, "1 \xC2\xBD", R },
    { "slope_minus_bracket", Slope1, &steep, &half, "-(2)", R },
    { "slope_half_character", Slope1, &half, &falling, "\xC2\xBD", R },
    { "slope_not_defined", Slope1, &upright, &half, "Not defined", R },
    { "slope_does_not_exist", Slope1, &upright, &half, "does not exist.", R },
    { "slope_no_slope", Slope1, &upright, &half, "no slope", R },
    { "slope_infinite", Slope1, &upright, &half, "infinite", N },
    { "slope_infinity_sign", Slope1, &upright, &half, "\xE2\x88\x9E", N },
    { "slope_decimal_comma", Slope1, &half, &falling, "0,5", N },
    { "slope_word", Slope1, &half, &falling, "steep", N },
    { "slope_label_only", Slope1, &half, &falling, "m =", N },
    { "slope_none_of_slanted", Slope1, &half, &falling, "none", W },
    { "yint_labelled_b", Yint1, &half, &falling, "b = 3", R },
    { "yint_labelled_c", Yint1, &half, &falling, "c=3", R },
    { "yint_labelled_word", Yint1, &half, &falling, "y-intercept = 3", R },
    { "yint_labelled_point", Yint1, &half, &falling, "y-intercept: (0, 3)", R },
    { "yint_no_intercept", Yint1, &upright, &half, "No y-intercept", R },
    { "yint_undefined", Yint1, &upright, &half, "undefined", R },
    { "yint_every_point", Yint2, &half, &yAxis, "every point", R },
    { "yint_the_whole_line", Yint2, &half, &yAxis, "The whole line", R },
    { "yint_whole_line_not_axis", Yint1, &upright, &half, "the whole line", W },
    { "yint_number_of_vertical", Yint1, &upright, &half, "2", W },
    { "yint_word", Yint1, &half, &falling, "high", N },
    { "yint_decimal_comma_is_no_point", Yint1, &halfUp, &half, "b = 1,5", N },
    { "equation_f_of_x", Equation1, &half, &falling, "f(x) = 0.5x + 3", R },
    { "equation_tight", Equation1, &falling, &half, "y=-x+6", R },
    { "equation_plus_minus", Equation1, &falling, &half, "y = -1x + -(-6)", R },
    { "equation_mixed_number", Equation1, &fourThirds, &half, "y = -1 1/3x", R },
    { "equation_mixed_intercept", Equation1, &halfUp, &half, "y = x + 1 1/2", R },
    { "equation_vertical_tight", Equation1, &upright, &half, "X=2", R },
    { "equation_vertical_mixed", Equation1, &upright, &half, "x = 1 2/2", N },
    { "equation_bare_expression", Equation1, &half, &falling, "0.5x + 3", N },
    { "equation_bare_number", Equation1, &half, &falling, "4", N },
    { "equation_two_numbers", Equation1, &half, &falling, "y = 0 5x + 3", N },
    { "crossing_improper_mixed", Crossing, &half, &falling, "(2, 3 4/4)", N },
    { "crossing_mixed_numbers", Crossing, &half, &falling, "(1 2/2, 4)", N },
    { "crossing_mixed_number", Crossing, &diagonal, &fourThirds, "(0, -0)", R },
    { "crossing_bar", Crossing, &half, &falling, "(2 | 4)", R },
    { "crossing_semicolon", Crossing, &half, &falling, "(2; 4)", R },
    { "crossing_named", Crossing, &half, &falling, "x = 2, y = 4", R },
    { "crossing_named_and", Crossing, &half, &falling, "X=2 and Y=4", R },
    { "crossing_thirds", Crossing, &diagonal, &steep, "(\xE2\x85\x93 | 1/3)", R },
    { "crossing_comma_in_semicolon", Crossing, &half, &falling, "(2,0; 4)", N },
    { "crossing_parallel_lines", Crossing, &half, &halfHigher, "Parallel lines", R },
    { "crossing_they_are_parallel", Crossing, &half, &halfHigher, "they are parallel.", R },
    { "crossing_no_solution", Crossing, &half, &halfHigher, "no solution", R },
    { "crossing_none", Crossing, &half, &halfHigher, "none", R },
    { "crossing_no_solution_of_a_point", Crossing, &half, &falling, "no solution", W },
    { "crossing_infinitely_many", Crossing, &half, &halfAgain, "Infinitely many", R },
    { "crossing_coincident", Crossing, &half, &halfAgain, "coincident", R },
    { "crossing_same_of_parallel", Crossing, &half, &halfHigher, "they are the same line", W },
    // What pupils were seen to write.
    { "slope_mixed_full_stop", Slope1, &fourThirds, &half, "-1 1/3.", R },
    { "yint_point_full_stop", Yint1, &halfUp, &half, "(0, 1 1/2).", R },
    { "yint_comma_in_point", Yint1, &halfUp, &half, "(0|1,5)", N },
    { "slope_infinite_of_slanted", Slope1, &half, &falling, "infinite", N },
    { "slope_is_undefined", Slope1, &upright, &half, "The slope is undefined.", R },
    { "equation_capital_function", Equation1, &half, &falling, "F (x) = 0.5x + 3", R },
    { "equation_function_alone", Equation1, &half, &falling, "f(x) = ", N },
    { "crossing_named_swapped", Crossing, &half, &falling, "y = 4, x = 2", R },
    { "crossing_named_colons", Crossing, &half, &falling, "x: 2, y: 4", R },
    { "crossing_capital_and", Crossing, &half, &falling, "x = 2 AND y = 4", R },
    { "crossing_point_named", Crossing, &half, &falling, "S(2|4)", R },
    { "crossing_point_equals", Crossing, &half, &falling, "(x, y) = (2, 4).", R },
    { "crossing_do_not_meet", Crossing, &half, &halfHigher, "They don't meet", R },
    { "crossing_coincide", Crossing, &half, &halfAgain, "they coincide", R },
    { "crossing_dash_minus", Crossing, &diagonal, &fourThirds,
        "(\xE2\x80\x93"
        "0, 0)",
        R },
};

INSTANTIATE_TEST_SUITE_P(Answers, CheckTest, testing::ValuesIn(checkRows),
    [](const auto& info) { return std::string(info.param.name); });

// Practice takes the words for a slope, a crossing and an intercept in
// English, German, French and Spanish whatever the chosen language, in any
// case and with or without accents: a right answer is never marked wrong.
const CheckRow wordRows[] = {
    { "de_nicht_definiert", Slope1, &upright, &half, "nicht definiert", R },
    { "de_undefiniert_capital", Slope1, &upright, &half, "Undefiniert.", R },
    { "de_nicht_definiert_of_slanted", Slope1, &half, &falling, "nicht definiert", W },
    { "fr_non_definie", Slope1, &upright, &half, "non définie", R },
    { "fr_non_definie_capitals", Slope1, &upright, &half, "NON DÉFINIE", R },
    { "fr_pas_definie", Slope1, &upright, &half, "pas définie", R },
    { "es_no_esta_definida", Slope1, &upright, &half, "No está definida", R },
    { "de_infinite_asks_again", Slope1, &upright, &half, "unendlich", N },
    { "de_parallel", Crossing, &half, &halfHigher, "sind parallel", R },
    { "de_parallel_of_crossing_lines", Crossing, &half, &falling, "parallel", W },
    { "de_dieselbe_gerade", Crossing, &half, &halfAgain, "dieselbe Gerade", R },
    { "de_die_gleiche_gerade", Crossing, &half, &halfAgain, "Die gleiche Gerade", R },
    { "de_dieselbe_gerade_of_parallel", Crossing, &half, &halfHigher, "dieselbe Gerade", W },
    { "de_point_with_und", Crossing, &half, &falling, "x = 2 und y = 4", R },
    { "fr_paralleles", Crossing, &half, &halfHigher, "parallèles", R },
    { "fr_droites_paralleles", Crossing, &half, &halfHigher, "droites paralleles", R },
    { "fr_la_meme_droite", Crossing, &half, &halfAgain, "la même droite", R },
    { "fr_confondues", Crossing, &half, &halfAgain, "Confondues.", R },
    { "fr_apostrophe", Slope1, &upright, &half, "elle n’existe pas", R },
    { "es_paralelas", Crossing, &half, &halfHigher, "paralelas", R },
    { "es_la_misma_recta", Crossing, &half, &halfAgain, "la misma recta", R },
    { "es_coinciden", Crossing, &half, &halfAgain, "coinciden", R },
    { "es_paralela_of_same", Crossing, &half, &halfAgain, "paralela", W },
    { "de_slope_label", Slope1, &half, &falling, "Steigung: 1/2", R },
    { "fr_slope_label", Slope1, &half, &falling, "la pente = 0.5", R },
    { "es_slope_label", Slope1, &half, &falling, "Pendiente = 1/2", R },
    { "de_intercept_label", Yint1, &half, &falling, "y-Achsenabschnitt = 3", R },
    { "fr_intercept_label", Yint1, &half, &falling, "ordonnée à l'origine : 3", R },
    { "es_intercept_label", Yint1, &half, &falling, "Ordenada en el origen: 3", R },
    { "de_no_intercept", Yint1, &upright, &half, "keinen", R },
    { "fr_every_point", Yint2, &half, &yAxis, "tous les points", R },
    { "es_no_intercept_of_axis", Yint2, &half, &yAxis, "no existe", W },
};

INSTANTIATE_TEST_SUITE_P(Words, CheckTest, testing::ValuesIn(wordRows),
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
