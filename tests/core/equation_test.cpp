#include "core/equation.h"
#include "core/line_commands.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <tuple>

namespace {

using core::exact::ReadEquation;

// The line an equation text reads as, in the exact engine's own words.
std::string lineRead(const std::string& text)
{
    const auto reading = ReadEquation(text);
    if (!reading)
        return "refused: " + reading.problem().what;
    return core::exact::EquationText(core::exact::LineOf(*reading)).value_or("no line");
}

struct FormRow {
    const char* name;
    const char* typed;
    const char* line;
};

class EquationFormTest : public testing::TestWithParam<FormRow> { };

TEST_P(EquationFormTest, ReadsAsTheLine)
{
    EXPECT_EQ(lineRead(GetParam().typed), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Forms, EquationFormTest,
    testing::Values(FormRow { "slope_intercept", "y = 2x + 3", "y = 2 x + 3" },
        FormRow { "half_slope_decimal_intercept", "y = -x/2 + 1.5", "y = -1/2 x + 3/2" },
        FormRow { "through_origin", "y = 0.5x", "y = 1/2 x" },
        FormRow { "general", "2x + 3y = 6", "y = -2/3 x + 2" },
        FormRow { "general_without_x", "3y = 6", "y = 2" },
        FormRow { "general_through_origin", "x - y = 0", "y = x" },
        FormRow { "point_slope", "y - 3 = 2(x - 1)", "y = 2 x + 1" },
        FormRow { "point_slope_over_three", "y + 1 = -(x + 4)/3", "y = -1/3 x - 7/3" },
        FormRow { "vertical", "x = 4", "x = 4" }, FormRow { "horizontal", "y = -2", "y = -2" },
        FormRow { "terms_on_both_sides", "2y + x = y - 3", "y = -x - 3" },
        FormRow { "fraction_before_x", "y = (1/2)x", "y = 1/2 x" },
        FormRow { "school_book_half_x", "y = 1/2x", "y = 1/2 x" },
        FormRow { "window_text", " Y = 0.5 X +  3", "y = 1/2 x + 3" },
        FormRow { "window_text_negative_intercept", " Y = 2 X +  -3", "y = 2 x - 3" },
        FormRow { "window_text_vertical", " X = 3", "x = 3" },
        FormRow { "window_text_exponent", " Y = 1 X +  1.5E-3", "y = x + 3/2000" },
        FormRow { "signs_beyond_ascii", "y \xE2\x88\x92 1 = 3\xC2\xB7x \xC3\xB7 2 \xC3\x97 4",
            "y = 6 x + 1" },
        FormRow { "blanks_everywhere", "\ty=  2 x\n+3 ", "y = 2 x + 3" },
        FormRow { "constant_powers", "y = 2^3 x + 3\xC2\xB2 - x^1 + 2^-1", "y = 7 x + 19/2" },
        FormRow { "x_to_the_power_0", "y = x^0", "y = 1" },
        FormRow { "xy_cancelled_by_brackets", "y = (x + 1) - x + 2x", "y = 2 x + 1" },
        FormRow { "mixed_number_is_one_number", "y = 0.5x + 1 1/2", "y = 1/2 x + 3/2" },
        FormRow { "mixed_number_before_x", "y = -2 1/4x", "y = -9/4 x" },
        FormRow {
            "fraction_characters", "y = 1\xC2\xBDx \xE2\x88\x92 \xE2\x85\x93", "y = 3/2 x - 1/3" },
        FormRow { "vertical_mixed", "x = -1 1/2", "x = -3/2" },
        FormRow { "repeating_decimal", "y = 0.(3)x - 1.1(6)", "y = 1/3 x - 7/6" },
        FormRow { "repeating_after_the_point", "y = .(3)", "y = 1/3" },
        FormRow { "bracket_after_a_whole_number", "y = 2(3)x", "y = 6 x" },
        FormRow { "fraction_slash",
            "y = 3\xE2\x81\x84"
            "4x",
            "y = 3/4 x" }),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalRow {
    const char* name;
    const char* typed;
    const char* problem;
    std::size_t at, length; // characters
};

class EquationRefusalTest : public testing::TestWithParam<RefusalRow> { };

TEST_P(EquationRefusalTest, SaysWhyAndWhere)
{
    const RefusalRow& row = GetParam();
    const auto reading = ReadEquation(row.typed);
    ASSERT_FALSE(reading);
    EXPECT_EQ(reading.problem().what, row.problem);
    EXPECT_EQ(reading.problem().at, row.at);
    EXPECT_EQ(reading.problem().length, row.length);
}

INSTANTIATE_TEST_SUITE_P(Refusals, EquationRefusalTest,
    testing::Values(RefusalRow { "square_sign", "y = x\xC2\xB2 + 1",
                        "x\xC2\xB2 makes a curve, not a straight line", 4, 2 },
        RefusalRow {
            "caret_power", "y = x^2", "x\xC2\xB2 makes a curve, not a straight line", 4, 3 },
        RefusalRow {
            "product_of_variables", "y = 3xy", "3xy makes a curve, not a straight line", 4, 3 },
        RefusalRow {
            "variable_below_the_line", "y = 1/x", "1/x makes a curve, not a straight line", 4, 3 },
        RefusalRow {
            "no_variable_true", "3 = 3", "There is no x or y here, so this is no line", 0, 5 },
        RefusalRow {
            "no_variable_false", "2 = 5", "There is no x or y here, so this is no line", 0, 5 },
        RefusalRow { "two_numbers_side_by_side", "y = 2 3x",
            "Two numbers stand side by side here: write one number, a mixed number such as "
            "2 1/3, or \"*\" between them",
            4, 3 },
        RefusalRow {
            "point_without_digits", "y = .(3x)", "\".\" cannot be part of an equation", 4, 1 },
        RefusalRow { "divisor_starts_no_mixed_number", "y = 1/2 1/4 x",
            "Two numbers stand side by side here: write one number, a mixed number such as "
            "2 1/3, or \"*\" between them",
            6, 3 },
        RefusalRow { "improper_mixed_number", "y = 1 3/2 x",
            "Two numbers stand side by side here: write one number, a mixed number such as "
            "2 1/3, or \"*\" between them",
            4, 3 },
        RefusalRow { "no_equals", "y 2x + 3", "An equation needs \"=\", as in y = 2x + 3", 8, 0 },
        RefusalRow {
            "two_equals", "y = 2x = 3", "A line has only one \"=\"; here is a second", 7, 1 },
        RefusalRow { "empty", "", "Type an equation of a line, such as y = 2x + 3", 0, 0 },
        RefusalRow { "only_blanks", "   ", "Type an equation of a line, such as y = 2x + 3", 0, 3 },
        RefusalRow {
            "cancelled_out", "0x + 0y = 5", "x and y cancel out here, so this is no line", 0, 11 },
        RefusalRow { "beyond_exact_limits", "y = 1E1001 x",
            "This number is too large to work with exactly", 4, 6 },
        RefusalRow { "power_beyond_exact_limits", "y = 10^100000 x",
            "The numbers here grow too large to work with exactly", 4, 9 },
        RefusalRow { "divided_by_zero", "y = x/(1 - 1)", "Dividing by 0 has no answer", 6, 7 },
        RefusalRow { "nothing_before_equals", "= 2x", "There is nothing before \"=\"", 0, 1 },
        RefusalRow { "nothing_after_equals", "y = ", "There is nothing after \"=\"", 4, 0 },
        RefusalRow { "dangling_plus", "y = 2x +", "Something is missing after \"+\"", 7, 1 },
        RefusalRow { "unclosed_bracket", "y = 2(x - 1",
            "This \"(\" is never closed: a \")\" is missing", 5, 1 },
        RefusalRow { "stray_bracket", "y = 2x) + 1", "This \")\" has no \"(\" before it", 6, 1 },
        RefusalRow { "stray_bracket_first", ")y = x", "This \")\" has no \"(\" before it", 0, 1 },
        RefusalRow { "foreign_letter", "y = 2z + 1", "\"z\" cannot be part of an equation", 5, 1 },
        RefusalRow { "counted_in_characters", "y\xE2\x88\x92x = \xE2\x82\xAC",
            "\"\xE2\x82\xAC\" cannot be part of an equation", 6, 1 },
        RefusalRow { "fractional_power", "y = x^(1/2)",
            "A power must be a whole number, as in x\xC2\xB2", 6, 5 }),
    [](const auto& info) { return std::string(info.param.name); });

// Nesting deeper than any pupil writes is refused, where reading it down to
// the bottom would run out of stack; a hundred brackets still read.
TEST(EquationDepth, DeepNestingIsRefusedNotReadUntilTheStackEnds)
{
    const auto repeated = [](std::string_view piece, int times) {
        std::string text;
        for (int k = 0; k < times; ++k)
            text += piece;
        return text;
    };
    for (const std::string& text : { "y = " + repeated("(", 20000) + "x" + repeated(")", 20000),
             "y = x" + repeated("^1", 20000), "y = " + repeated("-", 20000) + "x" }) {
        const auto reading = core::exact::ReadEquation(text);
        ASSERT_FALSE(reading);
        EXPECT_EQ(
            reading.problem().what, "The brackets, signs or powers here nest too deeply to read");
    }
    EXPECT_TRUE(core::exact::ReadEquation("y = " + repeated("(", 100) + "x" + repeated(")", 100)));
}

// The limit counts nesting, not length: three hundred terms side by side
// are read, as they sum.
TEST(EquationDepth, ManyFlatTermsAreRead)
{
    std::string text = "y = x";
    for (int k = 0; k < 150; ++k)
        text += " + 1 - 1";
    const auto reading = core::exact::ReadEquation(text + " + 1");
    ASSERT_TRUE(reading) << reading.problem().what;
    const core::exact::Line line = core::exact::LineOf(*reading);
    EXPECT_EQ(line.slope, 1);
    EXPECT_EQ(line.yIntercept.at, 1);
}

// The window's own equation texts, for lines through random end points, read
// back to the line with the slope and intercept the window shows beside them.
TEST(EquationProperty, TheWindowsEquationTextsReadBackToTheirLine)
{
    std::mt19937_64 rng(22);
    const auto number = [&] {
        const int whole = std::uniform_int_distribution<int>(-40, 40)(rng);
        const int tenths = std::uniform_int_distribution<int>(0, 3)(rng) == 0
            ? std::uniform_int_distribution<int>(0, 9)(rng)
            : 0;
        return std::to_string(whole) + "." + std::to_string(tenths);
    };
    int verticals = 0;
    for (int pair = 0; pair < 300; ++pair) {
        core::TypedFields typed;
        for (auto* line : { &typed.line1, &typed.line2 })
            for (auto& field : *line)
                field = number();
        if (pair % 10 == 0)
            typed.line1[2] = typed.line1[0]; // a vertical line now and then
        typed.lower = "-50";
        typed.upper = "50";
        const core::CommandResult result = core::BothLines(typed, false);
        std::map<core::ResultField, std::string> shown;
        for (const auto& write : result.writes)
            shown[write.field] = write.text;
        for (const auto& [equation, slope, intercept, xAxis] :
            { std::tuple { core::ResultField::Equation1, core::ResultField::Slope1,
                  core::ResultField::YIntercept1, core::ResultField::XAxis1 },
                std::tuple { core::ResultField::Equation2, core::ResultField::Slope2,
                    core::ResultField::YIntercept2, core::ResultField::XAxis2 } }) {
            if (shown[equation].empty())
                continue;
            SCOPED_TRACE(shown[equation]);
            const auto reading = ReadEquation(shown[equation]);
            ASSERT_TRUE(reading) << reading.problem().what;
            const auto line = core::exact::LineOf(*reading);
            if (shown[slope] == core::UndefinedSlope) {
                ++verticals;
                ASSERT_EQ(line.kind, core::exact::LineKind::Vertical);
                EXPECT_EQ(line.xIntercept.at, *core::exact::Read(shown[xAxis]));
                continue;
            }
            ASSERT_EQ(line.kind, core::exact::LineKind::Line);
            EXPECT_EQ(line.slope, *core::exact::Read(shown[slope]));
            EXPECT_EQ(line.yIntercept.at, *core::exact::Read(shown[intercept]));
        }
    }
    EXPECT_GT(verticals, 0);
}

} // namespace
