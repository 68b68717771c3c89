#include "core/errors.h"
#include "core/line.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using core::EndPoints;

struct LineRow {
    const char* name;
    EndPoints points;
    const char* slope;
    const char* intercept;
    const char* equation;
    const char* xFromIntercept; // line one's form
    const char* xFromSlope; // line two's form
};

class LineTextTest : public testing::TestWithParam<LineRow> { };

TEST_P(LineTextTest, ChainOfTexts)
{
    const LineRow& row = GetParam();
    const std::string S = core::SlopeText(row.points);
    EXPECT_EQ(S, row.slope);
    const std::string B = core::InterceptText(S, row.points.X2, row.points.Y2);
    EXPECT_EQ(B, row.intercept);
    EXPECT_EQ(core::EquationText(S, B), row.equation);
    EXPECT_EQ(core::XInterceptFromIntercept(B, row.points), row.xFromIntercept);
    EXPECT_EQ(core::XInterceptFromSlope(S, row.points), row.xFromSlope);
}

INSTANTIATE_TEST_SUITE_P(WorkedRows, LineTextTest,
    testing::Values(
        LineRow { "default_line_one", { -6, 0, 8, 7 }, "0.5", "3", " Y = 0.5 X +  3", "-6", "-6" },
        LineRow { "default_line_two", { -7, -5, 6, 8 }, "1", "2", " Y = 1 X +  2", "-2", "-2" },
        LineRow {
            "through_origin_minus_zero", { 1, 1, 2, 2 }, "1", "0", " Y = 1 X +  0", "0", "0" },
        LineRow {
            "negative_intercept", { 0, -3, 1, -1 }, "2", "-3", " Y = 2 X +  -3", "1.5", "1.5" },
        LineRow { "four_thirds_residue", { 0, 0, 3, 4 }, "1.33333333333333", "1.02140518265514E-14",
            " Y = 1.33333333333333 X +  1.02140518265514E-14", "-7.66053886991355E-15",
            "-7.66053886991358E-15" },
        LineRow { "two_thirds_down", { -5, 6.5, 2.5, 1.5 }, "-0.666666666666667",
            "3.16666666666667", " Y = -0.666666666666667 X +  3.16666666666667", "4.75000000000001",
            "4.75" },
        LineRow { "gentle_slope", { -4, 6, 3, 5.5 }, "-0.0714285714285714", "5.71428571428571",
            " Y = -0.0714285714285714 X +  5.71428571428571", "79.9999999999999", "80" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineText, AHorizontalLineHasNoXAxisCrossing)
{
    const EndPoints flat { 1, 2, 4, 2 };
    EXPECT_EQ(core::SlopeText(flat), "0");
    EXPECT_EQ(core::InterceptText("0", 4, 2), "2");
    EXPECT_EQ(core::EquationText("0", "2"), " Y = 0 X +  2");
    EXPECT_THROW(core::XInterceptFromIntercept("2", flat), core::DivisionByZero);
    EXPECT_THROW(core::XInterceptFromSlope("0", flat), core::DivisionByZero);

    const EndPoints xAxis { 1, 0, 4, 0 };
    EXPECT_THROW(core::XInterceptFromIntercept("0", xAxis), core::Overflow);
    EXPECT_THROW(core::XInterceptFromSlope("0", xAxis), core::Overflow);
}

TEST(LineText, AVerticalLineHasNoSlope)
{
    EXPECT_THROW(core::SlopeText({ 3, 1, 3, 5 }), core::DivisionByZero);
    EXPECT_THROW(core::SlopeText({ 3, 1, 3, 1 }), core::Overflow);
}

TEST(LineText, SwappingEndPointsKeepsTheSlopeText)
{
    const EndPoints forward { -5, 6.5, 2.5, 1.5 };
    const EndPoints back { 2.5, 1.5, -5, 6.5 };
    EXPECT_EQ(core::SlopeText(forward), core::SlopeText(back));
    EXPECT_EQ(core::InterceptText(core::SlopeText(back), back.X2, back.Y2), "3.16666666666667");
}

TEST(LineText, ResultsBeyondTheDoubleRangeOverflow)
{
    EXPECT_THROW(core::SlopeText({ 0, -1e308, 1e-10, 1e308 }), core::Overflow);
    EXPECT_THROW(core::InterceptText("1E+300", 1e300, 0), core::Overflow);
    EXPECT_THROW(core::InterceptText("not a slope", 1, 1), core::TypeMismatch);
}

} // namespace
