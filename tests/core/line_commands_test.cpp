#include "core/line_commands.h"
#include "core/number_text.h"

#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace core {

bool operator==(const CommandStop& a, const CommandStop& b)
{
    return a.step == b.step && a.problem == b.problem && a.line == b.line
        && a.coordinate == b.coordinate && a.lower == b.lower && a.upper == b.upper;
}

void PrintTo(const CommandStop& s, std::ostream* os)
{
    *os << "{step " << int(s.step) << ", problem " << int(s.problem) << ", line " << s.line
        << ", coordinate " << int(s.coordinate) << ", range " << s.lower << ".." << s.upper << "}";
}

} // namespace core

namespace {

using namespace core;
using Line = std::array<std::string, 4>;

const Line defaultOne = { "-6", "0", "8", "7" }, defaultTwo = { "-7", "-5", "6", "8" };

TypedFields typed(
    const Line& one, const Line& two, std::string lower = "-10", std::string upper = "10")
{
    return { one, two, std::move(lower), std::move(upper) };
}

std::vector<ResultField> fieldsOf(const CommandResult& r)
{
    std::vector<ResultField> fields;
    for (const FieldWrite& w : r.writes)
        fields.push_back(w.field);
    return fields;
}

std::vector<std::string> textsOf(const CommandResult& r)
{
    std::vector<std::string> texts;
    for (const FieldWrite& w : r.writes)
        texts.push_back(w.text);
    return texts;
}

TEST(LineCommands, StepsWriteInTheDesignedOrder)
{
    using enum ResultField;
    EXPECT_EQ(fieldsOf(BothLines(typed(defaultOne, defaultTwo), false)),
        (std::vector { Slope1, YIntercept1, Slope2, YIntercept2, Answer, Equation1, Equation2,
            YAxis1, YAxis2, XAxis1, XAxis2 }));
    const CommandResult one = DrawLine(typed(defaultOne, defaultTwo), 1);
    EXPECT_EQ(fieldsOf(one),
        (std::vector { Slope1, YIntercept1, Slope2, YIntercept2, Answer, Equation2, XAxis2, YAxis2,
            Equation1, YAxis1, XAxis1 }));
    EXPECT_EQ(textsOf(one),
        (std::vector<std::string> {
            "0.5", "3", "", "", "", "", "", "", " Y = 0.5 X +  3", "3", "-6" }));
    const CommandResult two = DrawLine(typed(defaultOne, defaultTwo), 2);
    EXPECT_EQ(fieldsOf(two),
        (std::vector { Slope2, YIntercept2, Slope1, YIntercept1, Answer, Equation1, XAxis1, YAxis1,
            Equation2, YAxis2, XAxis2 }));
    EXPECT_EQ(textsOf(two),
        (std::vector<std::string> {
            "1", "2", "", "", "", "", "", "", " Y = 1 X +  2", "2", "-2" }));
    EXPECT_EQ(one.segments.size(), 1u);
    EXPECT_FALSE(one.crossing);
}

struct BothRow {
    const char* name;
    Line one, two;
    std::vector<std::string> texts; // in the order of the writes
    CrossingKind kind;
};

void PrintTo(const BothRow& row, std::ostream* os)
{
    *os << row.name;
}

class BothLinesTexts : public testing::TestWithParam<BothRow> { };

TEST_P(BothLinesTexts, EveryFieldExactly)
{
    const BothRow& row = GetParam();
    const CommandResult r = BothLines(typed(row.one, row.two), false);
    EXPECT_FALSE(r.stop);
    EXPECT_EQ(textsOf(r), row.texts);
    ASSERT_TRUE(r.crossing);
    EXPECT_EQ(r.crossing->kind, row.kind);
    EXPECT_EQ(r.segments.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Rows, BothLinesTexts,
    testing::Values(BothRow { "worked_example", defaultOne, defaultTwo,
                        { "0.5", "3", "1", "2", "(2,  4)", " Y = 0.5 X +  3", " Y = 1 X +  2", "3",
                            "2", "-6", "-2" },
                        CrossingKind::Point },
        // Worked from the slope texts, Y would be a residue near -1.8E-15.
        BothRow { "crossing_y_worked_on_line_one", { "3", "4", "6", "2" },
            { "5", "-2", "-1", "-5" },
            { "-0.666666666666667", "6", "0.5", "-4.5", "(9,  0)", " Y = -0.666666666666667 X +  6",
                " Y = 0.5 X +  -4.5", "6", "-4.5", "9", "9" },
            CrossingKind::Point },
        BothRow { "horizontal_and_x_axis", { "1", "2", "4", "2" }, { "-3", "0", "4", "0" },
            { "0", "2", "0", "0", "Parallel lines. No Intersection.", " Y = 0 X +  2",
                " Y = 0 X +  0", "2", "0", "none", "all" },
            CrossingKind::Parallel },
        BothRow { "coinciding", { "0", "0", "1", "1" }, { "2", "2", "5", "5" },
            { "1", "0", "1", "0", "Same line. Infinite solutions.", " Y = 1 X +  0",
                " Y = 1 X +  0", "0", "0", "0", "0" },
            CrossingKind::Same }),
    [](const auto& info) { return std::string(info.param.name); });

struct StopRow {
    const char* name;
    int command; // 0 both lines, -1 as the zoom runs it, else the line drawn
    TypedFields typed;
    CommandStop stop;
    std::size_t writes, segments;
};

void PrintTo(const StopRow& row, std::ostream* os)
{
    *os << row.name;
}

class StoppedCommand : public testing::TestWithParam<StopRow> { };

TEST_P(StoppedCommand, StepReasonAndWhatWasReached)
{
    const StopRow& row = GetParam();
    const CommandResult r = row.command == 0 ? BothLines(row.typed, true)
        : row.command < 0                    ? BothLines(row.typed, true, Verticals::Stop)
                                             : DrawLine(row.typed, row.command);
    ASSERT_TRUE(r.stop);
    EXPECT_EQ(*r.stop, row.stop);
    EXPECT_EQ(r.writes.size(), row.writes);
    EXPECT_EQ(r.segments.size(), row.segments);
    EXPECT_FALSE(r.report); // asked for, but no report after a stop
    // What it wrote and what it did not reach make up a whole run's order.
    const CommandResult whole = row.command <= 0
        ? BothLines(typed(defaultOne, defaultTwo), false)
        : DrawLine(typed(defaultOne, defaultTwo), row.command);
    std::vector<ResultField> fields = fieldsOf(r);
    fields.insert(fields.end(), r.unreached.begin(), r.unreached.end());
    EXPECT_EQ(fields, fieldsOf(whole));
}

const Line vertical = { "3", "1", "3", "5" };

INSTANTIATE_TEST_SUITE_P(Rows, StoppedCommand,
    testing::Values(
        StopRow { "lower_bound_beyond_double", 0, typed(defaultOne, defaultTwo, "-1e999"),
            { Step::Ticks, StopReason::LowerBoundTooLarge }, 0, 0 },
        StopRow { "upper_bound_beyond_double", 1, typed(defaultOne, defaultTwo, "-10", "1e400"),
            { Step::Ticks, StopReason::UpperBoundTooLarge }, 0, 0 },
        StopRow { "equal_bounds", 0, typed(defaultOne, defaultTwo, "5", "5abc"),
            { .step = Step::Ticks, .problem = StopReason::RangeEmpty, .lower = 5, .upper = 5 }, 0,
            0 },
        StopRow { "bounds_equal_as_singles", 0, typed(defaultOne, defaultTwo, "1", "1.00000001"),
            { .step = Step::Ticks,
                .problem = StopReason::RangeTooNarrow,
                .lower = 1,
                .upper = 1.00000001 },
            0, 0 },
        StopRow { "bound_beyond_single", 2, typed(defaultOne, defaultTwo, "-1E+39"),
            { .step = Step::Ticks,
                .problem = StopReason::RangeBeyondDrawing,
                .lower = -1e39,
                .upper = 10 },
            0, 0 },
        StopRow { "upper_beyond_counters", 0, typed(defaultOne, defaultTwo, "-10", "40000"),
            { .step = Step::Ticks,
                .problem = StopReason::RangeTooWide,
                .lower = -10,
                .upper = 40000 },
            0, 0 },
        StopRow { "lower_rounds_down_beyond_counters", 0,
            typed(defaultOne, defaultTwo, "-32768.5", "0"),
            { .step = Step::Ticks,
                .problem = StopReason::RangeTooWide,
                .lower = -32768.5,
                .upper = 0 },
            0, 0 },
        StopRow { "counter_cannot_step_past_32767", 0, typed(defaultOne, defaultTwo, "0", "32767"),
            { .step = Step::Ticks,
                .problem = StopReason::RangeTooWide,
                .lower = 0,
                .upper = 32767 },
            0, 0 },
        StopRow { "end_point_beyond_double", 0, typed({ "-6", "0", "1e309", "7" }, defaultTwo),
            { Step::Line1, StopReason::EndPointTooLarge, 1, Coordinate::X2 }, 0, 0 },
        StopRow { "line_two_y1_beyond_double", 0, typed(defaultOne, { "-7", "-1e309", "6", "8" }),
            { Step::Line2, StopReason::EndPointTooLarge, 2, Coordinate::Y1 }, 0, 1 },
        StopRow { "end_point_beyond_single", 0, typed(defaultOne, { "-7", "-5", "6", "1e39" }),
            { Step::Line2, StopReason::EndPointsBeyondDrawing, 2, Coordinate::Y2 }, 0, 1 },
        StopRow { "line_one_a_single_point", 0, typed({ "3", "1", "3", "1" }, defaultTwo),
            { Step::Slope1, StopReason::SinglePoint, 1 }, 0, 2 },
        StopRow { "line_two_a_single_point", 0, typed(defaultOne, { "4", "4", "4", "4" }),
            { Step::Slope2, StopReason::SinglePoint, 2 }, 2, 2 },
        StopRow { "line_two_a_single_point_after_a_vertical_line_one", 0,
            typed(vertical, { "4", "4", "4", "4" }), { Step::Slope2, StopReason::SinglePoint, 2 },
            2, 2 },
        StopRow { "slope_beyond_double", 0, typed({ "0", "0", "4.9E-324", "1" }, defaultTwo),
            { Step::Slope1, StopReason::SlopeTooLarge, 1 }, 0, 2 },
        // X is about -1E+44: a double, but no single.
        StopRow { "crossing_y_beyond_single", 0,
            typed({ "0", "0", "1", "1" }, { "0", "1E+30", "1E+30", "2.00000000000001E+30" }),
            { Step::Crossing, StopReason::CrossingTooLarge }, 4, 2 },
        // y = 1E+10 x meets x = 1E+30 at y = 1E+40: a double, but no single.
        StopRow { "crossing_with_a_vertical_line_beyond_single", 0,
            typed({ "1E+30", "0", "1E+30", "1" }, { "0", "0", "1", "1E+10" }),
            { Step::Crossing, StopReason::CrossingTooLarge }, 4, 2 },
        // The slope, 1E-300 / 3E+38, rounds to 0 though the line is not
        // horizontal; it meets the x-axis near -3E+338.
        StopRow { "x_axis_crossing_of_a_vanishing_slope", 0,
            typed({ "0", "1", "3E+38", "1." + std::string(299, '0') + "1" }, defaultTwo),
            { Step::XAxis1, StopReason::XAxisCrossingTooLarge, 1 }, 9, 2 },
        StopRow { "draw_line_two_a_single_point", 2, typed(defaultOne, { "-7", "5", "-7", "5" }),
            { Step::Slope2, StopReason::SinglePoint, 2 }, 0, 1 },
        StopRow { "draw_line_one_ignores_line_two", 1,
            typed({ "1", "1", "1", "1" }, { "", "", "", "" }),
            { Step::Slope1, StopReason::SinglePoint, 1 }, 0, 1 },
        // The zoom's redraw: a vertical line is the failing step.
        StopRow { "zoom_line_one_vertical", -1, typed(vertical, defaultTwo),
            { Step::Slope1, StopReason::VerticalLine, 1 }, 0, 2 },
        StopRow { "zoom_line_two_vertical", -1, typed(defaultOne, { "-7", "-5", "-7", "8" }),
            { Step::Slope2, StopReason::VerticalLine, 2 }, 2, 2 },
        StopRow { "draw_line_one_beyond_double", 1, typed({ "1", "1", "1", "-1e999" }, defaultTwo),
            { Step::Line1, StopReason::EndPointTooLarge, 1, Coordinate::Y2 }, 0, 0 }),
    [](const auto& info) { return std::string(info.param.name); });

// Every write of a command that completes, in its order.
struct VerticalRow {
    const char* name;
    int command; // 0 both lines, else the line drawn
    Line one, two;
    std::vector<std::string> texts;
    std::optional<CrossingKind> kind; // the both-lines command's crossing
};

void PrintTo(const VerticalRow& row, std::ostream* os)
{
    *os << row.name;
}

class VerticalLines : public testing::TestWithParam<VerticalRow> { };

TEST_P(VerticalLines, AnsweredInTheSameSteps)
{
    const VerticalRow& row = GetParam();
    const TypedFields t = typed(row.one, row.two);
    const CommandResult r = row.command == 0 ? BothLines(t, false) : DrawLine(t, row.command);
    EXPECT_FALSE(r.stop);
    EXPECT_TRUE(r.unreached.empty());
    EXPECT_EQ(textsOf(r), row.texts);
    EXPECT_EQ(fieldsOf(r),
        fieldsOf(row.command == 0 ? BothLines(typed(defaultOne, defaultTwo), false)
                                  : DrawLine(typed(defaultOne, defaultTwo), row.command)));
    EXPECT_EQ(r.crossing ? std::optional(r.crossing->kind) : std::nullopt, row.kind);
    EXPECT_EQ(r.segments.size(), row.command == 0 ? 2u : 1u);
}

// Both lines: slope1, yint1, slope2, yint2, crossing, eqn1, eqn2, y-axis 1
// and 2, x-axis 1 and 2. Line one: slope1, yint1, six emptied, eqn1, y-axis
// 1, x-axis 1; line two alike. The window's own table has more rows.
INSTANTIATE_TEST_SUITE_P(Rows, VerticalLines,
    testing::Values(VerticalRow { "line_one_vertical", 0, vertical, defaultTwo,
                        { "undefined", "none", "1", "2", "(3,  5)", " X = 3", " Y = 1 X +  2",
                            "none", "2", "3", "-2" },
                        CrossingKind::Point },
        VerticalRow { "line_two_vertical", 0, defaultOne, { "-7", "-5", "-7", "8" },
            { "0.5", "3", "undefined", "none", "(-7,  -0.5)", " Y = 0.5 X +  3", " X = -7", "3",
                "none", "-6", "-7" },
            CrossingKind::Point },
        VerticalRow { "both_vertical_one_line", 0, { "2", "0", "2", "1" }, { "2", "5", "2", "-3" },
            { "undefined", "none", "undefined", "none", "Same line. Infinite solutions.", " X = 2",
                " X = 2", "none", "none", "2", "2" },
            CrossingKind::Same },
        VerticalRow { "both_vertical_apart", 0, { "2", "0", "2", "1" },
            { "-1.5", "5", "-1.5", "-3" },
            { "undefined", "none", "undefined", "none", "Parallel lines. No Intersection.",
                " X = 2", " X = -1.5", "none", "none", "2", "-1.5" },
            CrossingKind::Parallel },
        VerticalRow { "minus_zero_is_zero", 0, { "-0", "1", "0", "5" }, { "0", "0", "1", "-1" },
            { "undefined", "all", "-1", "0", "(0,  0)", " X = 0", " Y = -1 X +  0", "all", "0", "0",
                "0" },
            CrossingKind::Point },
        // y = m c + b narrowed to a single: 0.333333333333333 * 1 + 0.
        VerticalRow { "a_third_in_single", 0, { "3", "1", "0", "0" }, { "1", "-2", "1", "7" },
            { "0.333333333333333", "0", "undefined", "none", "(1,  0.3333333)",
                " Y = 0.333333333333333 X +  0", " X = 1", "0", "none", "0", "1" },
            CrossingKind::Point },
        VerticalRow { "draw_line_one", 1, vertical, defaultTwo,
            { "undefined", "none", "", "", "", "", "", "", " X = 3", "none", "3" }, std::nullopt },
        VerticalRow { "draw_line_one_ignores_line_two", 1, vertical, { "", "", "", "" },
            { "undefined", "none", "", "", "", "", "", "", " X = 3", "none", "3" }, std::nullopt },
        VerticalRow { "draw_line_two_at_zero", 2, defaultOne, { "0", "8", "0", "-8" },
            { "undefined", "all", "", "", "", "", "", "", " X = 0", "all", "0" }, std::nullopt }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineCommands, AReportWithAVerticalLine)
{
    EXPECT_EQ(BothLines(typed(vertical, defaultTwo), true).report,
        " Intersection: (3,  5)\r\n"
        " P1 = ( 3 , 1 ) , P2 = ( 3 , 5 )       Equation 1:   X = 3\r\n"
        " P3 = ( -7 , -5 ) , P4 = ( 6 , 8 )      Equation 2:   Y = 1 X +  2\r\n\n\r\n");
    EXPECT_EQ(BothLines(typed({ "2", "0", "2", "1" }, { "2", "5", "2", "-3" }), true).report,
        " Intersection: Same line. Infinite solutions.\r\n"
        " P1 = ( 2 , 0 ) , P2 = ( 2 , 1 )       Equation 1:   X = 2\r\n"
        " P3 = ( 2 , 5 ) , P4 = ( 2 , -3 )      Equation 2:   X = 2\r\n\n\r\n");
}

TEST(LineCommands, TheWidestCountedRangeCompletes)
{
    EXPECT_FALSE(BothLines(typed(defaultOne, defaultTwo, "-32768", "32766.9"), false).stop);
    EXPECT_FALSE(BothLines(typed(defaultOne, defaultTwo, "10", "-10"), false).stop);
}

TEST(LineCommands, ReportOnlyWhenAskedFor)
{
    EXPECT_FALSE(BothLines(typed(defaultOne, defaultTwo), false).report);
    EXPECT_EQ(BothLines(typed(defaultOne, defaultTwo), true).report,
        " Intersection: (2,  4)\r\n"
        " P1 = ( -6 , 0 ) , P2 = ( 8 , 7 )       Equation 1:   Y = 0.5 X +  3\r\n"
        " P3 = ( -7 , -5 ) , P4 = ( 6 , 8 )      Equation 2:   Y = 1 X +  2\r\n\n\r\n");
    // The end points as typed, not as read.
    const auto report = BothLines(typed({ "abc", " 0", "8", "7" }, defaultTwo), true).report;
    ASSERT_TRUE(report);
    const std::string start = " Intersection: (-16,  -14)\r\n P1 = ( abc ,  0 ) , P2 = ( 8 , 7 ) ";
    EXPECT_EQ(report->substr(0, start.size()), start);
}

// The exact lines a command leaves for the fronts that show fractions: those
// of the segments it reached, in exact arithmetic only.
struct ExactLinesRow {
    const char* name;
    TypedFields typed;
    Arithmetic arithmetic;
    std::optional<exact::LineKind> one, two; // nothing when not left
};

class ExactLinesLeft : public testing::TestWithParam<ExactLinesRow> { };

TEST_P(ExactLinesLeft, AsTheEngineWorksThemOut)
{
    const ExactLinesRow& row = GetParam();
    const CommandResult r = BothLines(row.typed, false, Verticals::Answered, row.arithmetic);
    for (const auto& [left, expected, t] :
        { std::tuple { r.exactLines[0], row.one, row.typed.line1 },
            std::tuple { r.exactLines[1], row.two, row.typed.line2 } }) {
        ASSERT_EQ(left ? std::optional(left->kind) : std::nullopt, expected);
        if (left) {
            EXPECT_EQ(left->slope, exact::LineThrough(t[0], t[1], t[2], t[3]).slope);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ExactLinesLeft,
    testing::Values(ExactLinesRow { "both_reached", typed(defaultOne, { "0", "0", "3", "1" }),
                        Arithmetic::Exact, exact::LineKind::Line, exact::LineKind::Line },
        ExactLinesRow { "beyond_the_engine_left_as_too_large",
            typed({ "3", "1", "3", "5" }, { "0", "0." + std::string(1001, '0') + "1", "1", "1" }),
            Arithmetic::Exact, exact::LineKind::Vertical, exact::LineKind::TooLarge },
        ExactLinesRow { "stopped_at_line_two_end_point",
            typed(defaultOne, { "0", "0", "1E+400", "1" }), Arithmetic::Exact,
            exact::LineKind::Line, std::nullopt },
        ExactLinesRow { "designed_arithmetic", typed(defaultOne, defaultTwo), Arithmetic::Designed,
            std::nullopt, std::nullopt }),
    [](const auto& info) { return std::string(info.param.name); });

// Lines through random whole-number points, most of them crossing.
class RandomLines : public testing::Test {
protected:
    Line line()
    {
        Line l;
        for (std::string& t : l)
            t = std::to_string(pick(rng));
        return l;
    }
    std::mt19937 rng { 20240611 };
    std::uniform_int_distribution<int> pick { -12, 12 };
};

std::string textOf(const CommandResult& r, ResultField field)
{
    for (const FieldWrite& w : r.writes)
        if (w.field == field)
            return w.text;
    return "<not written>";
}

TEST_F(RandomLines, DrawLineWritesWhatBothLinesWriteForItsLine)
{
    using enum ResultField;
    for (int k = 0; k < 500; ++k) {
        const Line one = line(), two = line();
        const CommandResult both = BothLines(typed(one, two), false);
        if (both.stop)
            continue;
        for (const int n : { 1, 2 }) {
            // Whatever the other line holds.
            const CommandResult drawn
                = DrawLine(n == 1 ? typed(one, line()) : typed(line(), two), n);
            ASSERT_FALSE(drawn.stop);
            for (const ResultField f : n == 1
                    ? std::array { Slope1, YIntercept1, Equation1, YAxis1, XAxis1 }
                    : std::array { Slope2, YIntercept2, Equation2, YAxis2, XAxis2 })
                EXPECT_EQ(textOf(drawn, f), textOf(both, f))
                    << one[0] << "," << one[1] << "," << one[2] << "," << one[3];
        }
    }
}

TEST_F(RandomLines, TheCrossingLiesOnBothLines)
{
    int points = 0, upright = 0;
    for (int k = 0; k < 500; ++k) {
        const CommandResult r = BothLines(typed(line(), line()), false);
        if (r.stop || r.crossing->kind != CrossingKind::Point)
            continue;
        ++points;
        const std::string& c = r.crossing->caption; // "(X,  Y)"
        const std::size_t comma = c.find(',');
        const double X = TextToNumber(c.substr(1, comma - 1));
        const double Y = TextToNumber(c.substr(comma + 3, c.size() - comma - 4));
        using enum ResultField;
        for (const auto& [m, b, x] : { std::tuple { Slope1, YIntercept1, XAxis1 },
                 std::tuple { Slope2, YIntercept2, XAxis2 } }) {
            if (textOf(r, m) == "undefined") {
                // x = c, c being where it meets the x-axis.
                ++upright;
                EXPECT_EQ(X, TextToNumber(textOf(r, x))) << c;
                continue;
            }
            const double onLine = TextToNumber(textOf(r, m)) * X + TextToNumber(textOf(r, b));
            EXPECT_NEAR(Y, onLine, 1e-5 * (1 + std::abs(Y))) << c;
        }
    }
    EXPECT_GT(points, 300);
    EXPECT_GT(upright, 10);
}

} // namespace
