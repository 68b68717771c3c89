// NumberToText checked against the C library's own correctly rounded
// conversions (glibc's printf and strtod in the "C" locale), over many
// doubles and singles of every kind.
#include "core/number_text.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Written {
    std::string digits; // significant digits, trailing zeros dropped
    int exponent = 0;
};

// Significant digits and decimal exponent as printf("%.*e") writes them.
Written fromPrintf(double x, int significant)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, std::fabs(x));
    const std::string s(buf);
    const auto e = s.find('e');
    Written w;
    for (std::size_t i = 0; i < e; ++i)
        if (s[i] != '.')
            w.digits += s[i];
    while (w.digits.size() > 1 && w.digits.back() == '0')
        w.digits.pop_back();
    w.exponent = std::atoi(s.c_str() + e + 1);
    return w;
}

// Significant digits and decimal exponent of one of our texts.
Written fromText(std::string_view text)
{
    if (text.front() == '-')
        text.remove_prefix(1);
    int exponent = 0;
    if (const auto e = text.find('E'); e != std::string_view::npos) {
        exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
        text = text.substr(0, e);
    }
    const auto point = text.find('.');
    const int integerDigits
        = static_cast<int>(point == std::string_view::npos ? text.size() : point);
    Written w;
    int leadingZeros = 0;
    for (const char c : text) {
        if (c == '.')
            continue;
        if (w.digits.empty() && c == '0')
            ++leadingZeros;
        else
            w.digits.push_back(c);
    }
    while (w.digits.size() > 1 && w.digits.back() == '0')
        w.digits.pop_back();
    w.exponent = exponent + integerDigits - 1 - leadingZeros;
    return w;
}

std::vector<double> sampleDoubles()
{
    std::mt19937_64 rng(20081);
    std::vector<double> xs;
    for (int i = 0; i < 20000; ++i) { // random bit patterns
        const double x = std::bit_cast<double>(rng());
        if (std::isfinite(x))
            xs.push_back(x);
    }
    std::uniform_int_distribution<int> digitCount(1, 17), exponent(-30, 30);
    for (int i = 0; i < 20000; ++i) { // decimals of up to 17 digits
        const int n = digitCount(rng);
        std::string text = std::to_string(rng() % 9 + 1);
        for (int k = 1; k < n; ++k)
            text += static_cast<char>('0' + rng() % 10);
        text += 'e';
        text += std::to_string(exponent(rng));
        xs.push_back((rng() & 1 ? -1 : 1) * std::strtod(text.c_str(), nullptr));
    }
    for (int e = -323; e <= 308; ++e) { // powers of ten and their neighbours
        std::string power = "1e";
        power += std::to_string(e);
        const double p = std::strtod(power.c_str(), nullptr);
        xs.insert(xs.end(), { p, std::nextafter(p, 0.0), std::nextafter(p, HUGE_VAL) });
    }
    for (double edge : { 999999999999999.5, 99999999999999.95, 0.000099999999999999995,
             0.00009999999999999995, 1e15, 1e-5, 1e-4 }) { // where the form switches
        double x = edge;
        for (int k = 0; k < 64; ++k)
            x = std::nextafter(x, 0.0);
        for (int k = 0; k < 128; ++k, x = std::nextafter(x, HUGE_VAL))
            xs.push_back(x);
    }
    return xs;
}

const std::regex writtenForm(
    R"(-?(0|[1-9][0-9]*)(\.[0-9]*[1-9])?|-?[1-9](\.[0-9]*[1-9])?E[+-][0-9]{2,3})");

TEST(NumberToTextProperty, AgreesWithPrintfAndReadsBackAsTheNearestDouble)
{
    int checked = 0;
    for (const double x : sampleDoubles()) {
        const std::string text = core::NumberToText(x);
        ASSERT_TRUE(std::regex_match(text, writtenForm)) << text;
        if (x == 0) {
            ASSERT_EQ(text, "0");
            continue;
        }
        ASSERT_EQ(text[0] == '-', x < 0) << text;
        const Written want = fromPrintf(x, 15);
        const Written got = fromText(text);
        ASSERT_EQ(got.digits, want.digits) << text << " for " << x;
        ASSERT_EQ(got.exponent, want.exponent) << text << " for " << x;
        ASSERT_EQ(text.find('E') == std::string::npos, want.exponent > -5 && want.exponent < 15)
            << text;
        const double nearest = std::strtod(text.c_str(), nullptr);
        // The largest double's text rounds up past it; it reads back as itself.
        ASSERT_EQ(core::TextToNumber(text), std::isfinite(nearest) ? nearest : x) << text;
        ++checked;
    }
    EXPECT_GT(checked, 40000);
}

TEST(NumberToTextProperty, SinglesAgreeWithPrintfOfTheirExactValue)
{
    std::mt19937 rng(65);
    int checked = 0;
    for (int i = 0; i < 50000; ++i) {
        const float x = std::bit_cast<float>(static_cast<std::uint32_t>(rng()));
        if (!std::isfinite(x) || x == 0)
            continue;
        const std::string text = core::NumberToText(x);
        ASSERT_TRUE(std::regex_match(text, writtenForm)) << text;
        const Written want = fromPrintf(static_cast<double>(x), 7);
        const Written got = fromText(text);
        ASSERT_EQ(got.digits, want.digits) << text;
        ASSERT_EQ(got.exponent, want.exponent) << text;
        ASSERT_EQ(text.find('E') == std::string::npos, want.exponent > -5 && want.exponent < 7)
            << text;
        ++checked;
    }
    EXPECT_GT(checked, 40000);
}

TEST(NumberToTextProperty, ValReadsEveryWrittenTextAsTextToNumberDoes)
{
    for (const double x : sampleDoubles()) {
        const std::string text = core::NumberToText(x);
        ASSERT_EQ(core::Val(text), core::TextToNumber(text)) << text;
    }
}

} // namespace
