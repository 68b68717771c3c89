#include "core/errors.h"
#include "core/number_text.h"

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace {

using core::NumberToText;

struct ValRow {
    const char* name;
    const char* text;
    double value;
};

class ValTest : public testing::TestWithParam<ValRow> { };

TEST_P(ValTest, ReadsTheLeadingNumber)
{
    const double v = core::Val(GetParam().text);
    EXPECT_EQ(v, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Typed, ValTest,
    testing::Values(ValRow { "empty", "", 0 }, ValRow { "letters", "abc", 0 },
        ValRow { "lone_minus", "-", 0 }, ValRow { "lone_point", ".", 0 },
        ValRow { "blanks_around", " 12 ", 12 }, ValRow { "blank_inside", "1 2", 12 },
        ValRow { "blanks_in_fraction", "  -3 .5", -3.5 }, ValRow { "plus", "+7", 7 },
        ValRow { "point_first", "-.5", -0.5 }, ValRow { "two_points", "3.5.1", 3.5 },
        ValRow { "comma_stops", "1,5", 1 }, ValRow { "exponent", "1e3", 1000 },
        ValRow { "bare_E", "2E", 2 }, ValRow { "E_with_sign_only", "2E+", 2 },
        ValRow { "negative_exponent", "25E-1", 2.5 }, ValRow { "blank_in_exponent", "1 E 2", 100 },
        ValRow { "tab_and_newline", "\t4\n2", 42 }, ValRow { "trailing_letters", "5abc", 5 },
        ValRow { "trailing_point", "5.", 5 }, ValRow { "nearest_double", "0.1", 0.1 },
        ValRow { "seventeen_digits", "0.30000000000000004", 0.30000000000000004 },
        ValRow { "largest_double", "1.7976931348623157E+308", DBL_MAX },
        ValRow { "too_small_is_zero", "1e-400", 0 },
        ValRow { "smallest_subnormal", "4.9406564584124654E-324", 4.9406564584124654E-324 },
        ValRow { "leading_zeros", "000123.4500", 123.45 },
        ValRow { "zeros_before_huge_exponent", "0.0000e999999", 0 },
        ValRow { "sign_after_blank", " - 4", -4 }, ValRow { "unicode_stops", "\xC2\xBD", 0 },
        ValRow { "nan_is_letters", "nan", 0 }, ValRow { "inf_is_letters", "inf", 0 }),
    [](const auto& info) { return std::string(info.param.name); });

struct FullRow {
    const char* name;
    std::string text;
    bool full;
};

void PrintTo(const FullRow& row, std::ostream* os)
{
    *os << row.name;
}

class ReadsInFullTest : public testing::TestWithParam<FullRow> { };

TEST_P(ReadsInFullTest, BlanksAsideNothingButTheNumber)
{
    EXPECT_EQ(core::ReadsInFull(GetParam().text), GetParam().full);
}

INSTANTIATE_TEST_SUITE_P(Typed, ReadsInFullTest,
    testing::Values(FullRow { "comma", "1,5", false }, FullRow { "fraction_bar", "1/2", false },
        FullRow { "letters", "abc", false }, FullRow { "empty", "", false },
        FullRow { "bare_E", "3e", false }, FullRow { "trailing_letters", "5abc", false },
        FullRow { "blanks_only", " \t ", false }, FullRow { "lone_minus", "-", false },
        FullRow { "lone_point", ".", false }, FullRow { "two_points", "3.5.1", false },
        FullRow { "E_with_sign_only", "2E+", false }, FullRow { "negative", "-6", true },
        FullRow { "blanks_around", " 2 ", true }, FullRow { "exponent", "1E+3", true },
        FullRow { "blanks_inside", " - 1 2 . 5 e - 3\n", true },
        FullRow { "trailing_point", "5.", true }, FullRow { "beyond_double", "1e999", true }),
    [](const auto& info) { return std::string(info.param.name); });

// Random texts of number characters and others: the part ReadTypedNumber
// calls the number holds all Val reads, and nothing after it counts.
TEST(ReadTypedNumber, TheNumberEndsWhereValStops)
{
    std::mt19937 rng(5150);
    const std::string alphabet = "0123456789..++--eEeE   \t,x/";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1), length(0, 9);
    const auto val = [](const std::string& t) -> std::optional<double> {
        try {
            return core::Val(t);
        } catch (const core::Overflow&) {
            return std::nullopt;
        }
    };
    for (int k = 0; k < 20000; ++k) {
        std::string t;
        for (std::size_t n = length(rng); n > 0; --n)
            t += alphabet[pick(rng)];
        const core::TypedNumber n = core::ReadTypedNumber(t);
        ASSERT_LE(n.end, t.size());
        const std::string number = t.substr(0, n.end);
        EXPECT_EQ(val(number), val(t)) << '"' << t << '"';
        EXPECT_EQ(val(number + "#" + t.substr(n.end)), val(t)) << '"' << t << '"';
        EXPECT_EQ(n.hasDigits(), n.end > 0) << '"' << t << '"';
        EXPECT_EQ(core::ReadsInFull(number), n.hasDigits()) << '"' << t << '"';
    }
}

TEST(Val, NegativeZeroKeepsItsSignButIsWrittenAsZero)
{
    EXPECT_TRUE(std::signbit(core::Val("-0")));
    EXPECT_EQ(NumberToText(core::Val("-0")), "0");
}

TEST(Val, NumbersBeyondTheDoubleRangeOverflow)
{
    for (const char* text :
        { "1e309", "-1e309", "1.8E+308", "1e99999999999999999999", "12345678901234567890e300" })
        EXPECT_THROW(core::Val(text), core::Overflow) << text;
}

TEST(Val, AMillionDigitsAreReadNotRejected)
{
    EXPECT_THROW(core::Val("1" + std::string(1000000, '0')), core::Overflow);
    EXPECT_EQ(core::Val("0." + std::string(1000000, '0') + "1"), 0.0);
    EXPECT_EQ(core::Val("7" + std::string(1000000, 'x')), 7.0);
}

struct DoubleTextRow {
    const char* name;
    double value;
    const char* text;
};

class DoubleTextTest : public testing::TestWithParam<DoubleTextRow> { };

TEST_P(DoubleTextTest, WritesFifteenDigits)
{
    EXPECT_EQ(NumberToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Examples, DoubleTextTest,
    testing::Values(DoubleTextRow { "half", 0.5, "0.5" },
        DoubleTextRow { "one_third", 1.0 / 3, "0.333333333333333" },
        DoubleTextRow { "two_thirds", 2.0 / 3, "0.666666666666667" },
        DoubleTextRow { "four_thirds", 4.0 / 3, "1.33333333333333" },
        DoubleTextRow { "minus_two", -2, "-2" },
        DoubleTextRow { "point_one_plus_point_two", 0.1 + 0.2, "0.3" },
        DoubleTextRow { "fifteen_digit_integer", 123456789012345, "123456789012345" },
        DoubleTextRow { "ten_to_fifteen", 1e15, "1E+15" },
        DoubleTextRow { "ten_to_minus_four", 0.0001, "0.0001" },
        DoubleTextRow { "ten_to_minus_five", 0.00001, "1E-05" },
        DoubleTextRow { "largest_double", DBL_MAX, "1.79769313486232E+308" },
        DoubleTextRow { "negative_zero", -0.0, "0" }, DoubleTextRow { "zero", 0.0, "0" },
        DoubleTextRow { "rounds_down_below_e15", 999999999999999.4, "999999999999999" },
        DoubleTextRow { "rounds_up_into_e15", 999999999999999.6, "1E+15" },
        DoubleTextRow { "tiny_residue", 1.02140518265514E-14, "1.02140518265514E-14" },
        DoubleTextRow { "negative_scientific", -7.66053886991355E-15, "-7.66053886991355E-15" },
        DoubleTextRow { "hundred_digits_exponent", 1.5e100, "1.5E+100" },
        DoubleTextRow { "smallest_subnormal", 4.9406564584124654E-324, "4.94065645841247E-324" },
        DoubleTextRow { "just_below_e_minus_four", 0.000099999999999999995, "0.0001" },
        DoubleTextRow { "fixed_with_fraction", -123.25, "-123.25" },
        DoubleTextRow { "trailing_zeros_integer", 1200, "1200" },
        DoubleTextRow { "one_e_fourteen", 1e14, "100000000000000" }),
    [](const auto& info) { return std::string(info.param.name); });

struct SingleTextRow {
    const char* name;
    float value;
    const char* text;
};

class SingleTextTest : public testing::TestWithParam<SingleTextRow> { };

TEST_P(SingleTextTest, WritesSevenDigits)
{
    EXPECT_EQ(NumberToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Examples, SingleTextTest,
    testing::Values(SingleTextRow { "one_third", 1.0f / 3, "0.3333333" },
        SingleTextRow { "pi_ish", 3.14f, "3.14" },
        SingleTextRow { "eight_digits", 12345678.0f, "1.234568E+07" },
        SingleTextRow { "seven_digits", 1234567.0f, "1234567" },
        SingleTextRow { "negative_zero", -0.0f, "0" }, SingleTextRow { "four", 4.0f, "4" },
        SingleTextRow { "largest_single", FLT_MAX, "3.402823E+38" },
        SingleTextRow { "small", 0.00001f, "1E-05" },
        SingleTextRow { "minus_ten_and_a_quarter", -10.25f, "-10.25" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberToText, WritesSixteenBitIntegers)
{
    EXPECT_EQ(NumberToText(std::int16_t { -1 }), "-1");
    EXPECT_EQ(NumberToText(std::int16_t { 0 }), "0");
    EXPECT_EQ(NumberToText(std::int16_t { 32767 }), "32767");
    EXPECT_EQ(NumberToText(std::int16_t { -32768 }), "-32768");
}

TEST(NumberToText, IgnoresTheUserLocale)
{
    const char* germanish[] = { "de_DE.UTF-8", "fr_FR.UTF-8", "C.UTF-8" };
    for (const char* name : germanish) {
        if (!std::setlocale(LC_ALL, name))
            continue;
        EXPECT_EQ(NumberToText(-1234.5), "-1234.5") << name;
        EXPECT_EQ(core::Val("2.5"), 2.5) << name;
    }
    std::setlocale(LC_ALL, "C");
}

TEST(TextToNumber, ReadsBackWithFifteenDigits)
{
    const double fourThirds = 4.0 / 3;
    EXPECT_NE(core::TextToNumber(NumberToText(fourThirds)), fourThirds);
    EXPECT_EQ(core::TextToNumber(NumberToText(fourThirds)), 1.33333333333333);
    EXPECT_EQ(core::TextToNumber(NumberToText(0.5)), 0.5);
    EXPECT_EQ(core::TextToNumber("1E-05"), 0.00001);
}

TEST(TextToNumber, TheLargestDoubleReadsBackAsItself)
{
    // Its 15-digit text lies just beyond the double range.
    ASSERT_EQ(NumberToText(DBL_MAX), "1.79769313486232E+308");
    EXPECT_EQ(core::TextToNumber(NumberToText(DBL_MAX)), DBL_MAX);
    EXPECT_EQ(core::TextToNumber(NumberToText(-DBL_MAX)), -DBL_MAX);
    EXPECT_THROW(core::TextToNumber("1.79769313486233E+308"), core::Overflow);
}

TEST(TextToNumber, RejectsWhatNumberToTextNeverWrites)
{
    for (const char* text : { "", " ", "abc", "-", ".", "1.", ".5", "1E", "1E+", "1 2", "+", "0x10",
             "1,5", "nan", "inf", "3.5.1", " 3", "3 ", "--1", "none", "all" })
        EXPECT_THROW(core::TextToNumber(text), core::TypeMismatch) << '"' << text << '"';
}

TEST(TextToNumber, NumbersBeyondTheDoubleRangeOverflow)
{
    EXPECT_THROW(core::TextToNumber("1E+309"), core::Overflow);
}

struct RoundRow {
    const char* name;
    double x;
    int places;
    double rounded;
};

class RoundTest : public testing::TestWithParam<RoundRow> { };

TEST_P(RoundTest, HalvesGoToEven)
{
    EXPECT_EQ(core::Round(GetParam().x, GetParam().places), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(Examples, RoundTest,
    testing::Values(RoundRow { "two_and_a_half", 2.5, 0, 2 },
        RoundRow { "three_and_a_half", 3.5, 0, 4 }, RoundRow { "eighth_to_cents", 0.125, 2, 0.12 },
        RoundRow { "negative_half", -0.5, 0, -0.0 }, RoundRow { "pi_to_cents", 3.14159, 2, 3.14 },
        RoundRow { "product_rounded_first", -12.345, 2, -12.34 },
        RoundRow { "minus_twelve_point_346", -12.346, 2, -12.35 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Round, SingleGivesTheNearestSingle)
{
    EXPECT_EQ(core::Round(3.14159f, 2), 3.14f);
    EXPECT_EQ(NumberToText(core::Round(-3.14159f, 2)), "-3.14");
    EXPECT_EQ(NumberToText(core::Round(12.345f, 2)), "12.35");
    EXPECT_EQ(NumberToText(core::Round(-10.25f, 2)), "-10.25");
    EXPECT_EQ(NumberToText(core::Round(FLT_MAX, 2)), "3.402823E+38");
}

TEST(Round, BeyondTheRangeOverflows)
{
    EXPECT_THROW(core::Round(DBL_MAX, 2), core::Overflow);
}

TEST(Int, RoundsDown)
{
    EXPECT_EQ(core::Int(8.7), 8);
    EXPECT_EQ(core::Int(-8.4), -9);
    EXPECT_EQ(core::Int(-3), -3);
    EXPECT_EQ(core::Int(-2.5), -3);
    EXPECT_EQ(core::Int(1e300), 1e300);
}

TEST(ToInteger16, RoundsHalvesToEvenWithinTheRange)
{
    EXPECT_EQ(core::ToInteger16(2.5), 2);
    EXPECT_EQ(core::ToInteger16(3.5), 4);
    EXPECT_EQ(core::ToInteger16(-32768), -32768);
    EXPECT_EQ(core::ToInteger16(32767), 32767);
    EXPECT_EQ(core::ToInteger16(32766.5), 32766);
    EXPECT_EQ(core::ToInteger16(-32768.5), -32768);
}

TEST(ToInteger16, OutsideTheRangeOverflows)
{
    for (double x : { 32768.0, -32769.0, 40000.0, 1e300, -1e300, 32767.5 })
        EXPECT_THROW(core::ToInteger16(x), core::Overflow) << x;
}

} // namespace
