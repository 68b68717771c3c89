#include "core/exact_line.h"
#include "core/exact_number.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using core::exact::CrossingKind;
using core::exact::InterceptKind;
using core::exact::LineKind;

const std::string tooLarge(core::exact::TooLargeText);

// What Read makes of a text, as a fraction text, or the too-large text.
std::string readText(std::string_view text)
{
    const auto q = core::exact::Read(text);
    return q ? core::exact::FractionText(*q) : tooLarge;
}

std::string zeros(std::size_t n)
{
    return std::string(n, '0');
}

struct ReadRow {
    const char* name;
    std::string text;
    std::string fraction;
};

class ExactReadTest : public testing::TestWithParam<ReadRow> { };

TEST_P(ExactReadTest, ReadsTheDecimalItSpells)
{
    EXPECT_EQ(readText(GetParam().text), GetParam().fraction);
}

const ReadRow readRows[] = {
    { "tenth", "0.1", "1/10" },
    { "exponent", "2.5E-3", "1/400" },
    { "seventeen_digits", "0.30000000000000004", "7500000000000001/25000000000000000" },
    { "leading_and_trailing_zeros", "000123.4500", "2469/20" },
    { "empty", "", "0" },
    { "letters", "abc", "0" },
    { "nan_is_letters", "nan", "0" },
    { "lone_minus", "-", "0" },
    { "lone_point", ".", "0" },
    { "minus_zero", "-0.000", "0" },
    { "plus", "+7", "7" },
    { "point_first", "-.5", "-1/2" },
    { "trailing_point", "5.", "5" },
    { "point_then_exponent", "5.E2", "500" },
    { "blanks_everywhere", " - 1 2 . 5 e - 1 ", "-5/4" },
    { "tab_and_line_feed", "\t4\n2", "42" },
    { "carriage_return_stops", "4\r2", "4" },
    { "trailing_letters", "5abc", "5" },
    { "two_points", "3.5.1", "7/2" },
    { "comma_stops", "1,5", "1" },
    { "bare_E", "2E", "2" },
    { "E_with_sign_only", "2E+", "2" },
    { "E_then_letter", "2e-x", "2" },
    { "zero_with_huge_exponent", "0.0000e999999999", "0" },
    { "beyond_the_double_range", "1e309", "1" + zeros(309) },
    { "below_the_double_range", "-1e-400", "-1/1" + zeros(400) },
    { "most_integer_digits", std::string(1000, '9'), std::string(1000, '9') },
    { "most_integer_digits_by_exponent", "1e999", "1" + zeros(999) },
    { "most_fraction_digits", "1e-1000", "1/1" + zeros(1000) },
    { "trailing_zeros_are_free", "1." + zeros(5000), "1" },
    { "leading_zeros_are_free", zeros(5000) + "3", "3" },
    { "one_integer_digit_too_many", std::string(1001, '9'), tooLarge },
    { "one_fraction_digit_too_many", "1.5e-1000", tooLarge },
    { "huge_exponent", "1E+999999999", tooLarge },
    { "huge_negative_exponent", "-1E-999999999", tooLarge },
    { "exponent_past_every_integer", "1e99999999999999999999999999", tooLarge },
    { "megabyte_of_digits", std::string(1 << 20, '7'), tooLarge },
    { "megabyte_of_zeros_then_one", "0." + zeros(1 << 20) + "1", tooLarge },
    { "megabyte_of_ones_shifted_back", std::string(1 << 20, '1') + "E-1048575", tooLarge },
    { "megabyte_of_blanks", std::string(1 << 20, ' ') + "5", "5" },
};

INSTANTIATE_TEST_SUITE_P(Texts, ExactReadTest, testing::ValuesIn(readRows),
    [](const auto& info) { return std::string(info.param.name); });

struct DecimalRow {
    const char* name;
    mpq_class value;
    const char* decimal;
};

class DecimalTextTest : public testing::TestWithParam<DecimalRow> { };

TEST_P(DecimalTextTest, WritesTheExpansion)
{
    EXPECT_EQ(core::exact::DecimalText(GetParam().value), GetParam().decimal);
}

mpq_class ratio(long p, long q)
{
    return mpq_class(p) / q;
}

mpq_class power(int base, unsigned exponent)
{
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), static_cast<unsigned long>(base), exponent);
    return p;
}

const DecimalRow decimalRows[] = {
    { "zero", 0, "0" },
    { "eighth", ratio(1, 8), "0.125" },
    { "minus_three", -3, "-3" },
    { "third", ratio(1, 3), "0.(3)" },
    { "minus_seven_sixths", ratio(-7, 6), "-1.1(6)" },
    { "seventh", ratio(1, 7), "0.(142857)" },
    { "twenty_two_sevenths", ratio(22, 7), "3.(142857)" },
    { "twelfth", ratio(1, 12), "0.08(3)" },
    { "minus_half_between_zero_and_minus_one", ratio(-1, 2), "-0.5" },
    { "period_of_42", ratio(1, 49), "0.(020408163265306122448979591836734693877551)" },
    { "ends_at_the_fiftieth_digit", 1 / power(2, 50),
        "0.00000000000000088817841970012523233890533447265625" },
    { "ends_at_the_fifty_first_digit", 1 / power(2, 51),
        "0.00000000000000044408920985006261616945266723632812\u2026" },
    { "repeats_within_fifty", 1 / (7 * power(2, 44)),
        "0.00000000000000812048840868685926709856305803(571428)" },
    { "repeats_one_digit_past_fifty", 1 / (7 * power(2, 45)),
        "0.00000000000000406024420434342963354928152901785714\u2026" },
    { "period_of_96", ratio(1, 97), "0.01030927835051546391752577319587628865979381443298\u2026" },
    { "fifty_zeros_then_more", -1 / power(10, 60),
        "-0.00000000000000000000000000000000000000000000000000\u2026" },
    { "long_integer_part", power(10, 60) / 3,
        "333333333333333333333333333333333333333333333333333333333333.(3)" },
};

INSTANTIATE_TEST_SUITE_P(Fractions, DecimalTextTest, testing::ValuesIn(decimalRows),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FractionText, ReducedWithTheSignOnTheNumerator)
{
    EXPECT_EQ(core::exact::FractionText(ratio(2, -4)), "-1/2");
    EXPECT_EQ(core::exact::FractionText(ratio(6, 3)), "2");
    EXPECT_EQ(core::exact::FractionText(ratio(-6, 3)), "-2");
    EXPECT_EQ(core::exact::FractionText(mpq_class(0) * -1), "0");
    EXPECT_EQ(core::exact::FractionText(*core::exact::Read("-0")), "0");
}

// An intercept as the answer texts show it.
std::string interceptText(const core::exact::Intercept& i)
{
    switch (i.kind) {
    case InterceptKind::At:
        return core::exact::FractionText(i.at);
    case InterceptKind::None:
        return "none";
    case InterceptKind::All:
        return "all";
    }
    return "?";
}

struct LineRow {
    const char* name;
    const char *X1, *Y1, *X2, *Y2;
    LineKind kind;
    std::string slope; // "" where there is none
    const char* yIntercept;
    const char* xIntercept;
    std::string equation; // "" where there is none
};

class ExactLineTest : public testing::TestWithParam<LineRow> { };

TEST_P(ExactLineTest, KindSlopeInterceptsAndEquation)
{
    const LineRow& row = GetParam();
    const auto line = core::exact::LineThrough(row.X1, row.Y1, row.X2, row.Y2);
    ASSERT_EQ(line.kind, row.kind);
    const auto equation = core::exact::EquationText(line);
    EXPECT_EQ(equation.value_or(""), row.equation);
    if (line.kind == LineKind::Line) {
        EXPECT_EQ(core::exact::FractionText(line.slope), row.slope);
    }
    if (line.kind == LineKind::Line || line.kind == LineKind::Vertical) {
        EXPECT_EQ(interceptText(line.yIntercept), row.yIntercept);
        EXPECT_EQ(interceptText(line.xIntercept), row.xIntercept);
    }
}

const LineRow lineRows[] = {
    { "default_line_one", "-6", "0", "8", "7", LineKind::Line, "1/2", "3", "-6", "y = 1/2 x + 3" },
    { "thirds", "-1", "2", "2", "3", LineKind::Line, "1/3", "7/3", "-7", "y = 1/3 x + 7/3" },
    { "two_thirds_down", "-5", "6.5", "2.5", "1.5", LineKind::Line, "-2/3", "19/6", "19/4",
        "y = -2/3 x + 19/6" },
    { "through_origin", "0", "0", "3", "4", LineKind::Line, "4/3", "0", "0", "y = 4/3 x" },
    { "slope_one", "1", "1", "2", "2", LineKind::Line, "1", "0", "0", "y = x" },
    { "slope_minus_one", "0", "1", "1", "0", LineKind::Line, "-1", "1", "1", "y = -x + 1" },
    { "negative_intercept", "0", "-1", "2", "0", LineKind::Line, "1/2", "-1", "2",
        "y = 1/2 x - 1" },
    { "horizontal", "1", "2", "4", "2", LineKind::Line, "0", "2", "none", "y = 2" },
    { "horizontal_below", "1", "-2.5", "4", "-2.5", LineKind::Line, "0", "-5/2", "none",
        "y = -5/2" },
    { "x_axis", "1", "0", "4", "-0", LineKind::Line, "0", "0", "all", "y = 0" },
    { "vertical", "3", "1", "3", "5", LineKind::Vertical, "", "none", "3", "x = 3" },
    { "vertical_left", "-2.5", "1", "-2.50", "-5", LineKind::Vertical, "", "none", "-5/2",
        "x = -5/2" },
    { "y_axis", "0", "1", "-0", "-2", LineKind::Vertical, "", "all", "0", "x = 0" },
    { "single_point", "3", "1", "3.0", "1e0", LineKind::Point, "", "", "", "" },
    { "empty_fields_are_one_point", "", "", "", "", LineKind::Point, "", "", "", "" },
    { "beyond_the_double_range", "0", "0", "1e-400", "1", LineKind::Line, "1" + zeros(400), "0",
        "0", "y = 1" + zeros(400) + " x" },
    { "too_large", "1e2000", "0", "1", "1", LineKind::TooLarge, "", "", "", "" },
};

INSTANTIATE_TEST_SUITE_P(Lines, ExactLineTest, testing::ValuesIn(lineRows),
    [](const auto& info) { return std::string(info.param.name); });

struct CrossingRow {
    const char* name;
    const char* one[4];
    const char* two[4];
    CrossingKind kind;
    const char* x; // "" unless a point
    const char* y;
};

class ExactCrossingTest : public testing::TestWithParam<CrossingRow> { };

TEST_P(ExactCrossingTest, WhereTheLinesMeet)
{
    const CrossingRow& row = GetParam();
    const auto one = core::exact::LineThrough(row.one[0], row.one[1], row.one[2], row.one[3]);
    const auto two = core::exact::LineThrough(row.two[0], row.two[1], row.two[2], row.two[3]);
    const auto crossing = core::exact::CrossingOf(one, two);
    ASSERT_EQ(crossing.kind, row.kind);
    if (crossing.kind == CrossingKind::Point) {
        EXPECT_EQ(core::exact::FractionText(crossing.x), row.x);
        EXPECT_EQ(core::exact::FractionText(crossing.y), row.y);
    }
    // Which line is which does not matter.
    const auto swapped = core::exact::CrossingOf(two, one);
    EXPECT_EQ(swapped.kind, crossing.kind);
    EXPECT_EQ(swapped.x, crossing.x);
    EXPECT_EQ(swapped.y, crossing.y);
}

const CrossingRow crossingRows[] = {
    { "slopes_sharing_fifteen_digits_cross", { "0", "0", "1", "0.1" },
        { "0", "1", "1", "1.1000000000000001" }, CrossingKind::Point, "-10000000000000000",
        "-1000000000000000" },
    { "parallel_though_doubles_differ", { "0", "0", "1", "0.3" }, { "0", "0.1", "1", "0.4" },
        CrossingKind::Parallel, "", "" },
    { "default_lines", { "-6", "0", "8", "7" }, { "-7", "-5", "6", "8" }, CrossingKind::Point, "2",
        "4" },
    { "thirds", { "0", "0", "3", "1" }, { "0", "1", "1", "0" }, CrossingKind::Point, "3/4", "1/4" },
    { "same_line_other_points", { "0", "0", "1", "1" }, { "2", "2", "-3", "-3" },
        CrossingKind::Same, "", "" },
    { "vertical_and_line", { "3", "1", "3", "5" }, { "0", "0", "1", "2" }, CrossingKind::Point, "3",
        "6" },
    { "line_and_vertical", { "0", "0", "2", "1" }, { "-1.5", "0", "-1.5", "9" },
        CrossingKind::Point, "-3/2", "-3/4" },
    { "vertical_and_horizontal", { "0.5", "0", "0.5", "1" }, { "-1", "1", "1", "1.0" },
        CrossingKind::Point, "1/2", "1" },
    { "two_verticals", { "3", "1", "3", "5" }, { "4", "1", "4", "5" }, CrossingKind::Parallel, "",
        "" },
    { "one_vertical_twice", { "3", "1", "3", "5" }, { "3", "-2", "3", "0" }, CrossingKind::Same, "",
        "" },
    { "two_horizontals", { "0", "1", "1", "1" }, { "5", "2", "6", "2" }, CrossingKind::Parallel, "",
        "" },
    { "a_single_point", { "1", "1", "1", "1" }, { "0", "0", "1", "1" }, CrossingKind::None, "",
        "" },
    { "too_large", { "0", "0", "1", "1" }, { "0", "1E+999999999", "1", "0" }, CrossingKind::None,
        "", "" },
};

INSTANTIATE_TEST_SUITE_P(Pairs, ExactCrossingTest, testing::ValuesIn(crossingRows),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExactLimits, AMegabytePasteMakesNoLine)
{
    const std::string paste(1 << 20, '3');
    const auto line = core::exact::LineThrough("0", paste, "1", "1");
    EXPECT_EQ(line.kind, LineKind::TooLarge);
    EXPECT_FALSE(core::exact::EquationText(line));
    const auto other = core::exact::LineThrough("0", "0", "1", "1");
    EXPECT_EQ(core::exact::CrossingOf(line, other).kind, CrossingKind::None);
}

TEST(ExactLimits, TheWidestNumbersStillMakeALineAndACrossing)
{
    // A thousand digits on either side of the point, in every end point.
    const std::string big = std::string(1000, '9') + "." + std::string(999, '9') + "7";
    const std::string small = "-0." + std::string(999, '0') + "3";
    const auto one = core::exact::LineThrough(big, small, small, big);
    const auto two = core::exact::LineThrough(small, small, big, big);
    ASSERT_EQ(one.kind, LineKind::Line);
    ASSERT_EQ(two.kind, LineKind::Line);
    EXPECT_EQ(core::exact::FractionText(one.slope), "-1");
    EXPECT_EQ(core::exact::FractionText(two.slope), "1");
    const auto crossing = core::exact::CrossingOf(one, two);
    ASSERT_EQ(crossing.kind, CrossingKind::Point);
    EXPECT_EQ(crossing.x, crossing.y);
    EXPECT_EQ(crossing.x, (*core::exact::Read(big) + *core::exact::Read(small)) / 2);
}

} // namespace
