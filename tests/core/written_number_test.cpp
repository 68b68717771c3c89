#include "core/exact_number.h"
#include "core/written_number.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

using core::exact::FractionText;
using core::exact::ReadWrittenNumber;

// What the reader makes of a text: the number as a fraction, or the
// problem's words.
std::string readAs(std::string_view text)
{
    const auto q = ReadWrittenNumber(text);
    return q ? FractionText(*q) : "? " + q.problem().what;
}

struct Row {
    const char* name;
    std::string typed;
    std::string read;
};

class WrittenNumberTest : public testing::TestWithParam<Row> { };

TEST_P(WrittenNumberTest, ReadsTheWholeText)
{
    EXPECT_EQ(readAs(GetParam().typed), GetParam().read);
}

const std::string minus = "\xE2\x88\x92";
const std::string notANumber = "? write a number, such as 3, -1.5, 2/3 or 1 1/2";
const std::string oneNumber
    = "? write one number: a mixed number is a whole number and a fraction less than 1, as in "
      "2 1/3";

const Row rows[] = {
    { "whole", "17", "17" },
    { "trailing_point", "5.", "5" },
    { "point_first", ".5", "1/2" },
    { "minus_sign", minus + "1.5", "-3/2" },
    { "plus", "+7", "7" },
    { "repeating", "-0.(3)", "-1/3" },
    { "fraction", "2/4", "1/2" },
    { "fraction_slash",
        "3\xE2\x81\x84"
        "4",
        "3/4" },
    { "negative_divisor", "1/-2", "-1/2" },
    { "decimal_fraction", "1.5/3", "1/2" },
    { "mixed", "10 2/3", "32/3" },
    { "mixed_sign_is_the_wholes", "-1 1/3", "-4/3" },
    { "mixed_minus_sign", minus + "1 1/3", "-4/3" },
    { "mixed_many_blanks", " 2 \t 1 / 4 ", "9/4" },
    { "mixed_fraction_slash",
        "1 1\xE2\x81\x84"
        "2",
        "3/2" },
    { "half_character", "\xC2\xBD", "1/2" },
    { "seven_eighths_character", "\xE2\x85\x9E", "7/8" },
    { "whole_and_character", "1\xC2\xBD", "3/2" },
    { "whole_blank_character", "1 \xC2\xBD", "3/2" },
    { "minus_whole_third", minus + "1\xE2\x85\x93", "-4/3" },
    { "bracketed", "(" + minus + "2)", "-2" },
    { "minus_bracket", "-(4/3)", "-4/3" },
    { "bracketed_mixed", "-(1 1/2)", "-3/2" },
    { "bracket_over_number", "(1)/2", "1/2" },
    { "plus_minus", "+ -3", "-3" },
    { "minus_minus", "- -3", "3" },
    { "word_processor_dash",
        "\xE2\x80\x93"
        "1/2",
        "-1/2" },
    { "decimal_comma", "2,5", "? write 2.5 with a point" },
    { "thousands_comma", "1,000", "? write 1000 without a comma, or 1.000 with a point" },
    { "thousands_blank", "1 000", "? write 1000 without blanks between the digits" },
    { "two_numbers", "2 3", oneNumber },
    { "improper_mixed", "1 3/2", "? in a mixed number the fraction is less than 1, as in 2 1/3" },
    { "mixed_of_decimals", "1 1.5/2", oneNumber },
    { "divides_by_zero", "1/0", "? a number cannot be divided by 0" },
    { "bracket_open", "(2", "? a bracket is not closed" },
    { "too_many_brackets", std::string(30, '(') + "1" + std::string(30, ')'),
        "? there are too many brackets around this number" },
    { "repeat_unclosed", "0.(3",
        "? the repeating digits go in brackets after the point, as in 0.(3)" },
    { "exponent", "1e3", notANumber },
    { "word", "five", notANumber },
    { "blank", "  ", notANumber },
    { "mixed_then_more", "1 1/2 3", oneNumber },
    { "one_integer_digit_too_many", std::string(1001, '9'), "? too large to work with exactly" },
};

INSTANTIATE_TEST_SUITE_P(Forms, WrittenNumberTest, testing::ValuesIn(rows),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WrittenNumber, ProblemIsPlacedInCharacters)
{
    const auto q = ReadWrittenNumber(minus + "2,5");
    ASSERT_FALSE(q);
    EXPECT_EQ(q.problem().at, 2u);
    EXPECT_EQ(q.problem().length, 1u);
}

// Every way of writing a number reads back as that number: the fraction,
// the mixed number, the decimal where it ends, the fraction character
// where there is one, and each of them in brackets with a sign before.
TEST(WrittenNumber, EveryWrittenFormReadsBackEqual)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<long> numerators(-500, 500), denominators(1, 40);
    for (int i = 0; i < 2000; ++i) {
        mpq_class q(numerators(random), denominators(random));
        q.canonicalize();
        std::vector<std::string> forms { FractionText(q) };
        const mpz_class whole = q.get_num() / q.get_den(); // towards zero
        const mpq_class rest = abs(q - whole);
        const std::string sign = q < 0 ? "-" : "";
        const std::string wholeDigits = mpz_class(abs(whole)).get_str();
        if (whole != 0 && rest != 0) {
            forms.push_back(sign + wholeDigits + " " + FractionText(rest));
            if (const auto c = core::exact::FractionCharacter(rest))
                forms.push_back(sign + wholeDigits + std::string(*c));
        }
        if (whole == 0)
            if (const auto c = core::exact::FractionCharacter(rest))
                forms.push_back(sign + std::string(*c));
        const std::string decimal = core::exact::DecimalText(q);
        if (decimal.find("\xE2\x80\xA6") == std::string::npos)
            forms.push_back(decimal);
        const std::size_t plain = forms.size();
        for (std::size_t f = 0; f < plain; ++f)
            forms.push_back("-(" + forms[f] + ")");
        for (std::size_t f = 0; f < forms.size(); ++f) {
            const auto read = ReadWrittenNumber(forms[f]);
            ASSERT_TRUE(read) << forms[f] << ": " << read.problem().what;
            EXPECT_EQ(*read, f < plain ? q : mpq_class(-q)) << forms[f];
        }
    }
}

} // namespace
