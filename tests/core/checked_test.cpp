#include "core/checked.h"
#include "core/errors.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(Checked, DivisionByZeroAndZeroOverZero)
{
    EXPECT_THROW(core::Divide(1, 0), core::DivisionByZero);
    EXPECT_THROW(core::Divide(-1, -0.0), core::DivisionByZero);
    EXPECT_THROW(core::Divide(0, 0), core::Overflow);
    EXPECT_THROW(core::Divide(-0.0, 0), core::Overflow);
    EXPECT_EQ(core::Divide(1, 4), 0.25);
}

TEST(Checked, ResultsBeyondTheDoubleRangeOverflow)
{
    EXPECT_THROW(core::Multiply(DBL_MAX, 2), core::Overflow);
    EXPECT_THROW(core::Add(DBL_MAX, DBL_MAX), core::Overflow);
    EXPECT_THROW(core::Subtract(-DBL_MAX, DBL_MAX), core::Overflow);
    EXPECT_THROW(core::Divide(DBL_MAX, 0.5), core::Overflow);
    EXPECT_EQ(core::Add(DBL_MAX, 1), DBL_MAX);
}

TEST(Checked, AllErrorsAreArithmeticErrors)
{
    EXPECT_THROW(core::Divide(1, 0), core::ArithmeticError);
    EXPECT_THROW(core::Divide(0, 0), core::ArithmeticError);
}

TEST(ToSingle, RoundsToTheNearestSingleOrOverflows)
{
    EXPECT_EQ(core::ToSingle(0.1), 0.1f);
    EXPECT_EQ(core::ToSingle(FLT_MAX), FLT_MAX);
    // Still nearer the largest single than the next power of two.
    EXPECT_EQ(core::ToSingle(std::nextafter(0x1.ffffffp127, 0.0)), FLT_MAX);
    EXPECT_THROW(core::ToSingle(0x1.ffffffp127), core::Overflow);
    EXPECT_THROW(core::ToSingle(-3.5e38), core::Overflow);
    EXPECT_THROW(core::ToSingle(1e300), core::Overflow);
    EXPECT_EQ(core::ToSingle(1e-50), 0.0f);
}

} // namespace
