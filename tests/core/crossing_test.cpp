#include "core/crossing.h"
#include "core/errors.h"
#include "core/line.h"
#include "core/number_text.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using core::CrossingKind;

struct CrossingRow {
    const char* name;
    const char* slope1;
    const char* slope2;
    const char* yint1;
    const char* yint2;
    CrossingKind kind;
    const char* caption;
};

class CrossingTest : public testing::TestWithParam<CrossingRow> { };

TEST_P(CrossingTest, KindAndCaption)
{
    const CrossingRow& row = GetParam();
    const core::Crossing c = core::FindCrossing(row.slope1, row.slope2, row.yint1, row.yint2);
    EXPECT_EQ(c.kind, row.kind);
    EXPECT_EQ(c.caption, row.caption);
    if (c.kind == CrossingKind::Point) {
        // The point kept beside the caption is the one it names, and lies on line one.
        EXPECT_EQ("(" + core::NumberToText(c.x) + ",  " + core::NumberToText(c.y) + ")", c.caption);
        const double m1 = core::Val(row.slope1), b1 = core::Val(row.yint1);
        EXPECT_EQ(c.y, static_cast<float>(m1 * c.x + b1));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CrossingTest,
    testing::Values(
        CrossingRow { "default_lines", "0.5", "1", "3", "2", CrossingKind::Point, "(2,  4)" },
        CrossingRow { "third_in_double_and_single", "1", "-2", "0", "1", CrossingKind::Point,
            "(0.333333333333333,  0.3333333)" },
        CrossingRow { "equal_slopes", "1", "1", "0", "1", CrossingKind::Parallel,
            "Parallel lines. No Intersection." },
        CrossingRow { "two_horizontal_lines", "0", "0", "2", "5", CrossingKind::Parallel,
            "Parallel lines. No Intersection." },
        CrossingRow { "zero_and_minus_zero_slopes", "0", "-0", "2", "5", CrossingKind::Parallel,
            "Parallel lines. No Intersection." },
        CrossingRow { "coinciding", "1", "1", "2", "2", CrossingKind::Same,
            "Same line. Infinite solutions." },
        CrossingRow { "coinciding_horizontal", "0", "0", "-3", "-3", CrossingKind::Same,
            "Same line. Infinite solutions." },
        CrossingRow { "negative_point", "2", "-1", "3", "0", CrossingKind::Point, "(-1,  1)" },
        // (3, 4)-(6, 2) and (5, -2)-(-1, -5): X = 9 - 2^-49, where line two gives
        // Y = 0.5 X - 4.5 = -2^-50 but line one's -0.666666666666667 X + 6 is -2^-49.
        CrossingRow { "y_worked_on_line_one", "-0.666666666666667", "0.5", "6", "-4.5",
            CrossingKind::Point, "(9,  -1.776357E-15)" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Crossing, SlopesSharingTheirFifteenDigitTextAreParallel)
{
    // 0.3 and 0.30000000000000004 are both written "0.3".
    const std::string s1 = core::SlopeText({ 0, 0, 1, 0.3 });
    const std::string s2 = core::SlopeText({ 0, 0.1, 1, 0.4 });
    ASSERT_EQ(s1, "0.3");
    ASSERT_EQ(s2, "0.3");
    const std::string b1 = core::InterceptText(s1, 1, 0.3);
    const std::string b2 = core::InterceptText(s2, 1, 0.4);
    const core::Crossing c = core::FindCrossing(s1, s2, b1, b2);
    EXPECT_EQ(c.kind, CrossingKind::Parallel);
    EXPECT_EQ(c.caption, "Parallel lines. No Intersection.");
}

TEST(Crossing, PointsBeyondTheRangesOverflow)
{
    // X fits a double, but Y = X + 0 is beyond the single range.
    EXPECT_THROW(core::FindCrossing("1", "2", "0", "1E+39"), core::Overflow);
    // X itself beyond the double range.
    EXPECT_THROW(core::FindCrossing("1E-300", "0", "0", "1E+300"), core::Overflow);
}

} // namespace
