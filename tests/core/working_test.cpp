#include "core/working.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using Typed = std::array<std::string, 4>;

struct WorkingRow {
    const char* name;
    Typed line1, line2;
    const char* id;
    const char* lines; // the step's lines, each ended by LF
    const char* result; // nullptr for no answer
};

std::string joined(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines)
        out += line + '\n';
    return out;
}

class WorkingTest : public testing::TestWithParam<WorkingRow> { };

TEST_P(WorkingTest, StepAsWorkedByHand)
{
    const WorkingRow& row = GetParam();
    const auto steps = core::WorkingFor(row.line1, row.line2);
    const auto step = std::find_if(
        steps.begin(), steps.end(), [&](const core::WorkingStep& s) { return s.id == row.id; });
    ASSERT_NE(step, steps.end());
    EXPECT_EQ(joined(step->lines), row.lines);
    const auto expected = row.result ? std::optional<std::string>(row.result) : std::nullopt;
    EXPECT_EQ(step->result, expected);
}

const Typed defaultOne { "-6", "0", "8", "7" };
const Typed defaultTwo { "-7", "-5", "6", "8" };
const Typed diagonal { "0", "0", "1", "1" };

INSTANTIATE_TEST_SUITE_P(HandWorked, WorkingTest,
    testing::Values(
        WorkingRow { "integer_points_slope", defaultOne, defaultTwo, "slope1",
            "m = (y2 - y1) / (x2 - x1)\nm = (7 - 0) / (8 - (-6))\nm = 7 / 14\nm = 1/2 = 0.5\n",
            "1/2" },
        WorkingRow { "negatives_in_brackets", { "4", "-5", "6", "-2" }, diagonal, "slope1",
            "m = (y2 - y1) / (x2 - x1)\nm = (-2 - (-5)) / (6 - 4)\nm = 3 / 2\nm = 3/2 = 1.5\n",
            "3/2" },
        WorkingRow { "decimals_as_typed", { "0.1", "2.5", "2.5", "0.1" }, diagonal, "slope1",
            "m = (y2 - y1) / (x2 - x1)\nm = (0.1 - 2.5) / (2.5 - 0.1)\nm = -2.4 / 2.4\nm = -1\n",
            "-1" },
        WorkingRow { "blanks_and_exponent_dropped", { " 1 ", "2E1", "3", "+4" }, diagonal, "slope1",
            "m = (y2 - y1) / (x2 - x1)\nm = (4 - 20) / (3 - 1)\nm = -16 / 2\nm = -8\n", "-8" },
        WorkingRow { "vertical_slope", { "3", "1", "3", "5" }, { "1", "2", "4", "2" }, "slope1",
            "x1 = x2 = 3\nthe run x2 - x1 is 0, so the slope is undefined; every point of the "
            "line has x = 3\n",
            "undefined" },
        WorkingRow { "vertical_and_horizontal_perpendicular", { "3", "1", "3", "5" },
            { "1", "2", "4", "2" }, "relation",
            "line 1 is vertical and line 2 is horizontal, so they meet at a right angle: "
            "perpendicular\n",
            "perpendicular" },
        WorkingRow { "horizontal_slope", { "1", "2", "4", "2" }, diagonal, "slope1",
            "m = (y2 - y1) / (x2 - x1)\nm = (2 - 2) / (4 - 1)\nm = 0 / 3\nm = 0\n"
            "the rise is 0, so the line is horizontal and its slope is 0\n",
            "0" },
        WorkingRow { "the_origin", diagonal, { "0", "0", "2", "3" }, "xaxis2",
            "0 = m x + b\n0 = 3/2 x + 0\nx = -b / m\nx = 0 / (3/2)\nx = 0\n"
            "the line meets the x-axis at (0, 0)\n",
            "0" },
        WorkingRow { "x_axis_names_the_point", defaultOne, defaultTwo, "xaxis1",
            "0 = m x + b\n0 = 1/2 x + 3\nx = -b / m\nx = -3 / (1/2)\nx = -6\n"
            "the line meets the x-axis at (-6, 0)\n",
            "-6" },
        WorkingRow { "slope_one_written_x", diagonal, defaultTwo, "equation1",
            "y = m x + b\ny = x + 0\ny = x\n", "y = x" },
        WorkingRow { "slope_minus_one_written_minus_x", { "0", "3", "3", "0" }, diagonal, "xaxis1",
            "0 = m x + b\n0 = -x + 3\nx = -b / m\nx = -3 / (-1)\nx = 3\n"
            "the line meets the x-axis at (3, 0)\n",
            "3" },
        WorkingRow { "minus_zero_typed_written_zero", { "-0", "1", "2", "-0.0" }, diagonal,
            "slope1",
            "m = (y2 - y1) / (x2 - x1)\nm = (0.0 - 1) / (2 - 0)\nm = -1 / 2\n"
            "m = -1/2 = -0.5\n",
            "-1/2" },
        WorkingRow { "vertical_as_typed", { "-1.5", "0", "-1.5", "2" }, diagonal, "slope1",
            "x1 = x2 = -1.5\nthe run x2 - x1 is 0, so the slope is undefined; every point of the "
            "line has x = -3/2\n",
            "undefined" },
        WorkingRow { "repeating_crossing", diagonal, { "0", "1", "1", "-1" }, "crossing",
            "m1 x + b1 = m2 x + b2\nx + 0 = -2 x + 1\nx = (b2 - b1) / (m1 - m2)\n"
            "x = (1 - 0) / (1 - (-2))\nx = 1 / 3\nx = 1/3 = 0.(3)\ny = m1 x + b1\n"
            "y = 1 * 1/3 + 0\ny = 1/3 = 0.(3)\ncheck on line 2: y = m2 x + b2\n"
            "y = (-2) * 1/3 + 1 = 1/3\n",
            "(1/3, 1/3)" },
        WorkingRow { "perpendicular", { "0", "0", "1", "2" }, { "0", "1", "2", "0" }, "relation",
            "m1 * m2 = 2 * (-1/2) = -1\nm1 * m2 = -1, so the lines are perpendicular\n",
            "perpendicular" },
        WorkingRow { "parallel", { "0", "0", "1", "2" }, { "2", "5", "3", "7" }, "crossing",
            "m1 = m2 = 2\nb1 = 0 but b2 = 1, so they are parallel and never meet\n", "parallel" },
        WorkingRow { "same", { "0", "0", "1", "2" }, { "2", "4", "3", "6" }, "crossing",
            "m1 = m2 = 2\nb1 = b2 = 0, so they are the same line\n", "same" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Working, StepsInThePinnedOrder)
{
    std::string ids;
    for (const core::WorkingStep& s : core::WorkingFor(defaultOne, defaultTwo))
        ids += s.id + ' ';
    EXPECT_EQ(ids,
        "slope1 yint1 equation1 xaxis1 yaxis1 slope2 yint2 equation2 xaxis2 yaxis2 crossing "
        "relation ");
}

TEST(Working, PlainTextIndentsEachStep)
{
    const std::vector<core::WorkingStep> steps
        = { { "a", "Line 1: the slope", { "m = 1 / 2", "m = 1/2" }, "1/2" },
              { "b", "Where", { "x = 2" }, std::nullopt } };
    EXPECT_EQ(
        core::WorkingText(steps), "Line 1: the slope\n  m = 1 / 2\n  m = 1/2\n\nWhere\n  x = 2\n");
}

TEST(Working, PupilTextWritesMinusSubscriptsAndDots)
{
    EXPECT_EQ(core::PupilText("m = (-2 - (-5)) / (x2 - x1)"),
        "m = (\u22122 \u2212 (\u22125)) / (x\u2082 \u2212 x\u2081)");
    EXPECT_EQ(core::PupilText("b = y1 - m * x1"), "b = y\u2081 \u2212 m \u00b7 x\u2081");
    // A hyphen between letters stays; a digit after a word is no subscript.
    EXPECT_EQ(core::PupilText("the x-axis, line 2, by2"), "the x-axis, line 2, by2");
    EXPECT_EQ(core::PupilText("m1 x + b9"), "m\u2081 x + b\u2089");
}

} // namespace
