#include "core/equation_points.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

using core::exact::ChooseEndPoints;

struct ChoiceRow {
    const char* name;
    const char* typed;
    const char* lower;
    const char* upper;
    const char* points; // "X1 Y1 X2 Y2", "rounded X1 Y1 X2 Y2" or "misses"
};

std::string chosen(const ChoiceRow& row)
{
    const auto reading = core::exact::ReadEquation(row.typed);
    if (!reading)
        return reading.problem().what;
    const auto points
        = ChooseEndPoints(*reading, *core::exact::Read(row.lower), *core::exact::Read(row.upper));
    if (!points)
        return "misses";
    std::string out = points->rounded ? "rounded" : "";
    for (const std::string& t : points->texts) {
        if (!out.empty())
            out += ' ';
        out += t;
    }
    return out;
}

class EndPointChoiceTest : public testing::TestWithParam<ChoiceRow> { };

TEST_P(EndPointChoiceTest, Chooses)
{
    EXPECT_EQ(chosen(GetParam()), GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(Choices, EndPointChoiceTest,
    testing::Values(ChoiceRow { "whole_numbers_far_apart", "y = 2x + 3", "-10", "10", "-6 -9 3 9" },
        ChoiceRow { "shortest_decimals", "y = x/2 + 0.25", "-10", "10", "-9.9 -4.7 9.9 5.2" },
        ChoiceRow { "no_finite_decimal_point", "y = x/3 + 1/7", "-10", "10",
            "rounded -10 -3.19047619047619 10 3.47619047619048" },
        ChoiceRow { "vertical", "x = 4", "-10", "10", "4 -10 4 10" },
        ChoiceRow {
            "horizontal_in_a_decimal_range", "y = 1.5", "-2.5", "3.75", "-2.5 1.5 3.7 1.5" },
        ChoiceRow { "one_whole_point_only", "y = 1.1x", "-1", "1", "-0.9 -0.99 0.9 0.99" },
        ChoiceRow { "misses_the_range", "y = 2x + 100", "-10", "10", "misses" },
        ChoiceRow { "touches_a_corner_only", "y = -x + 20", "-10", "10", "misses" }),
    [](const auto& info) { return std::string(info.param.name); });

mpq_class fraction(std::mt19937_64& rng, int most)
{
    mpq_class q(std::uniform_int_distribution<int>(-most, most)(rng),
        std::uniform_int_distribution<int>(1, 4)(rng));
    q.canonicalize();
    return q;
}

mpz_class ceiling(const mpq_class& q)
{
    mpz_class n;
    mpz_cdiv_q(n.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
    return n;
}

mpz_class flooring(const mpq_class& q)
{
    return -ceiling(-q);
}

bool whole(const mpq_class& q)
{
    return q.get_den() == 1;
}

// Random lines in a few ranges: the points lie on the line and in the range,
// and are the farthest-apart whole-number points when the line has two.
TEST(EndPointChoiceProperty, OnTheLineInTheRangeWholeWhenTheyCanBe)
{
    std::mt19937_64 rng(2222);
    const std::vector<std::pair<mpq_class, mpq_class>> ranges
        = { { -10, 10 }, { mpq_class(-7, 2), mpq_class(9, 4) }, { 0, 1 }, { -100, 3 } };
    int wholeLines = 0, decimalLines = 0, roundedLines = 0;
    for (int n = 0; n < 2000; ++n) {
        core::exact::Equation e { fraction(rng, 6), fraction(rng, 6), fraction(rng, 30) };
        if (e.a == 0 && e.b == 0)
            continue;
        const auto& [lower, upper] = ranges[n % ranges.size()];
        const auto points = ChooseEndPoints(e, lower, upper);
        SCOPED_TRACE(testing::Message()
            << e.a.get_str() << " x + " << e.b.get_str() << " y = " << e.c.get_str() << " in "
            << lower.get_str() << ".." << upper.get_str());

        // Every whole-number point of the line in the range, found by walking.
        std::vector<std::pair<mpq_class, mpq_class>> wholePoints;
        for (mpz_class i = ceiling(lower); i <= flooring(upper); ++i) {
            if (e.b != 0) {
                const mpq_class y = (e.c - e.a * i) / e.b;
                if (whole(y) && y >= lower && y <= upper)
                    wholePoints.push_back({ i, y });
            } else if (e.c / e.a == i) {
                for (mpz_class j = ceiling(lower); j <= flooring(upper); ++j)
                    wholePoints.push_back({ i, j });
            }
        }
        if (!points) {
            EXPECT_LT(wholePoints.size(), 2u);
            continue;
        }
        mpq_class p[4];
        for (int k = 0; k < 4; ++k)
            p[k] = *core::exact::Read(points->texts[k]);
        for (int k = 0; k < 4; ++k) {
            EXPECT_GE(p[k], lower);
            EXPECT_LE(p[k], upper);
        }
        EXPECT_TRUE(p[0] != p[2] || p[1] != p[3]);
        if (points->rounded) {
            ++roundedLines;
            EXPECT_LT(wholePoints.size(), 2u);
            continue;
        }
        EXPECT_EQ(e.a * p[0] + e.b * p[1], e.c);
        EXPECT_EQ(e.a * p[2] + e.b * p[3], e.c);
        if (wholePoints.size() < 2) {
            ++decimalLines;
            continue;
        }
        ++wholeLines;
        for (const mpq_class& q : p)
            EXPECT_TRUE(whole(q)) << q.get_str();
        // As far apart as possible: the walk's first and last point.
        const auto distance = [](const mpq_class& x1, const mpq_class& y1, const mpq_class& x2,
                                  const mpq_class& y2) {
            return mpq_class((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
        };
        EXPECT_EQ(distance(p[0], p[1], p[2], p[3]),
            distance(wholePoints.front().first, wholePoints.front().second,
                wholePoints.back().first, wholePoints.back().second));
    }
    EXPECT_GT(wholeLines, 100);
    EXPECT_GT(decimalLines, 100);
    EXPECT_GT(roundedLines, 10);
}

} // namespace
