// The line commands' answers worked out exactly and rounded once: a table of
// hand-worked pairs, and a property over random typed pairs checked against
// what each answer means.
#include "core/exact_answers.h"
#include "core/exact_number.h"
#include "core/line_commands.h"
#include "core/number_text.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace {

using namespace core;
using Line = std::array<std::string, 4>;
using Texts = std::array<std::string, 3>; // slope, y-intercept, x-axis crossing

std::string textOf(const CommandResult& r, ResultField field)
{
    for (const FieldWrite& w : r.writes)
        if (w.field == field)
            return w.text;
    return "(not written)";
}

// times * 2^k written out in full as a decimal.
std::string binary(long times, long k)
{
    if (k >= 0)
        return mpz_class(mpz_class(times) << static_cast<mp_bitcnt_t>(k)).get_str();
    mpz_class five;
    mpz_ui_pow_ui(five.get_mpz_t(), 5, static_cast<unsigned long>(-k));
    std::string digits = mpz_class(five * times).get_str();
    if (digits.size() < static_cast<std::size_t>(-k))
        digits.insert(0, static_cast<std::size_t>(-k) - digits.size(), '0');
    digits.insert(digits.size() - static_cast<std::size_t>(-k), "0.");
    return digits.front() == '0' && digits[1] == '0' ? digits.substr(1) : digits;
}

const Line defaultTwo = { "-7", "-5", "6", "8" }; // y = x + 2
const Texts defaultTexts = { "1", "2", "-2" };
const Line yAxis = { "0", "-1", "0", "1" };
const Texts yAxisTexts = { "undefined", "all", "0" };
const std::string span = binary(1, 127); // a run of 2^127 keeps a slope's binary digits
// 1E+30 + 1E-270, written out.
const std::string nudged
    = std::string("1").append(30, '0').append(".").append(269, '0').append("1");

struct Row {
    const char* name;
    Line one, two;
    Texts texts1, texts2;
    std::string crossing;
    std::optional<StopReason> stop = std::nullopt;
};

void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

class ExactAnswers : public testing::TestWithParam<Row> { };

TEST_P(ExactAnswers, WrittenAsWorkedByHand)
{
    const Row& row = GetParam();
    const CommandResult r = BothLines({ row.one, row.two, "-10", "10" }, true);
    if (row.stop) {
        ASSERT_TRUE(r.stop);
        EXPECT_EQ(r.stop->problem, *row.stop);
        return;
    }
    ASSERT_FALSE(r.stop);
    using enum ResultField;
    EXPECT_EQ((Texts { textOf(r, Slope1), textOf(r, YIntercept1), textOf(r, XAxis1) }), row.texts1);
    EXPECT_EQ((Texts { textOf(r, Slope2), textOf(r, YIntercept2), textOf(r, XAxis2) }), row.texts2);
    EXPECT_EQ(textOf(r, Answer), row.crossing);
    // The y-axis crossings are the y-intercepts again.
    EXPECT_EQ(textOf(r, YAxis1), row.texts1[1]);
    EXPECT_EQ(textOf(r, YAxis2), row.texts2[1]);
}

const std::string same = "Same line. Infinite solutions.";
const std::string parallel = "Parallel lines. No Intersection.";

INSTANTIATE_TEST_SUITE_P(Rows, ExactAnswers,
    testing::Values(Row { "four_thirds_through_origin", { "0", "0", "3", "4" }, defaultTwo,
                        { "1.33333333333333", "0", "0" }, defaultTexts, "(6,  8)" },
        Row { "one_third", { "0", "1", "3", "2" }, { "0", "0", "1", "0" },
            { "0.333333333333333", "1", "-3" }, { "0", "0", "all" }, "(-3,  0)" },
        Row { "two_thirds_meets_the_y_axis", { "1", "1", "4", "3" }, yAxis,
            { "0.666666666666667", "0.333333333333333", "-0.5" }, yAxisTexts, "(0,  0.3333333)" },
        Row { "sevenths_parallel", { "0", "0", "7", "1" }, { "0", "1", "7", "2" },
            { "0.142857142857143", "0", "0" }, { "0.142857142857143", "1", "-7" }, parallel },
        Row { "one_line_typed_twice", { "0", "0", "3", "1" }, { "3", "1", "6", "2" },
            { "0.333333333333333", "0", "0" }, { "0.333333333333333", "0", "0" }, same },
        Row { "crossing_on_the_x_axis", { "3", "4", "6", "2" }, { "5", "-2", "-1", "-5" },
            { "-0.666666666666667", "6", "9" }, { "0.5", "-4.5", "9" }, "(9,  0)" },
        Row { "four_point_seven_five_both_forms", { "-5", "6.5", "2.5", "1.5" },
            { "2.5", "1.5", "-5", "6.5" }, { "-0.666666666666667", "3.16666666666667", "4.75" },
            { "-0.666666666666667", "3.16666666666667", "4.75" }, same },
        Row { "tenths_through_origin", { "0.1", "0.1", "0.3", "0.3" }, { "0", "0", "0.1", "0.3" },
            { "1", "0", "0" }, { "3", "0", "0" }, "(0,  0)" },
        Row { "tenths_falling", { "0.1", "0.3", "0.3", "0.1" }, { "0", "0", "2.5", "2.5" },
            { "-1", "0.4", "0.4" }, { "1", "0", "0" }, "(0.2,  0.2)" },
        Row { "two_and_a_half", { "0", "2.5", "2.5", "0" }, { "0", "0", "1", "2" },
            { "-1", "2.5", "2.5" }, { "2", "0", "0" }, "(0.833333333333333,  1.666667)" },
        Row { "perpendicular", { "0", "0", "1", "2" }, { "0", "5", "2", "4" }, { "2", "0", "0" },
            { "-0.5", "5", "10" }, "(2,  4)" },
        Row { "horizontal_pair", { "1", "2", "4", "2" }, { "-3", "0", "4", "0" },
            { "0", "2", "none" }, { "0", "0", "all" }, parallel },
        Row { "vertical_pair_same", { "3", "1", "3", "5" }, { "3", "-2", "3", "7" },
            { "undefined", "none", "3" }, { "undefined", "none", "3" }, same },
        Row { "vertical_pair_parallel", { "2", "0", "2", "1" }, { "-1.5", "0", "-1.5", "1" },
            { "undefined", "none", "2" }, { "undefined", "none", "-1.5" }, parallel },
        Row { "vertical_meets_a_seventh", { "0", "0", "7", "1" }, { "3", "0", "3", "1" },
            { "0.142857142857143", "0", "0" }, { "undefined", "none", "3" }, "(3,  0.4285714)" },
        Row { "steep_slope", { "0", "0", "1E-10", "1E+30" }, defaultTwo, { "1E+40", "0", "0" },
            defaultTexts, "(2E-40,  2)" },
        Row { "tiny_values", { "0", "0", "1E-20", "3E-20" }, { "0", "1E-20", "1E-20", "0" },
            { "3", "0", "0" }, { "-1", "1E-20", "1E-20" }, "(2.5E-21,  7.5E-21)" },
        Row { "gentle_slope", { "-4", "6", "3", "5.5" }, defaultTwo,
            { "-0.0714285714285714", "5.71428571428571", "80" }, defaultTexts,
            "(3.46666666666667,  5.466667)" },
        Row { "worked_example", { "-6", "0", "8", "7" }, defaultTwo, { "0.5", "3", "-6" },
            defaultTexts, "(2,  4)" },
        Row { "two_thirds_below_origin", { "0", "-2", "3", "0" }, { "0", "0", "1", "-1" },
            { "0.666666666666667", "-2", "3" }, { "-1", "0", "0" }, "(1.2,  -1.2)" },
        Row { "a_third_meets_two_thirds", { "0", "0", "3", "1" }, { "0", "1", "3", "3" },
            { "0.333333333333333", "0", "0" }, { "0.666666666666667", "1", "-1.5" }, "(-3,  -1)" },
        Row { "sevenths_crossing", { "0", "0", "7", "1" }, { "0", "2", "7", "0" },
            { "0.142857142857143", "0", "0" }, { "-0.285714285714286", "2", "7" },
            "(4.66666666666667,  0.6666667)" },
        Row { "tenths_steps", { "0.1", "0.2", "0.2", "0.4" }, { "0", "0.3", "0.3", "0" },
            { "2", "0", "0" }, { "-1", "0.3", "0.3" }, "(0.1,  0.2)" },
        Row { "a_fifth_meets_point_three", { "0", "0.1", "1", "0.3" }, { "0", "0.3", "1", "0.3" },
            { "0.2", "0.1", "-0.5" }, { "0", "0.3", "none" }, "(1,  0.3)" },
        Row { "the_x_axis", { "-3", "0", "4", "0" }, { "0", "3", "3", "0" }, { "0", "0", "all" },
            { "-1", "3", "3" }, "(3,  0)" },
        Row {
            "the_y_axis", yAxis, { "0", "0", "1", "1" }, yAxisTexts, { "1", "0", "0" }, "(0,  0)" },
        Row { "large_thirds", { "0", "0", "3E+20", "1E+20" }, { "0", "1E+20", "1E+20", "0" },
            { "0.333333333333333", "0", "0" }, { "-1", "1E+20", "1E+20" }, "(7.5E+19,  2.5E+19)" },
        Row { "slope_below_the_smallest_double", { "0", "0", "3E+38", "4.9E-324" }, defaultTwo,
            { "0", "0", "0" }, defaultTexts, "(-2,  0)" },
        Row { "same_line_in_tenths", { "0.1", "0.1", "0.3", "0.3" }, { "0", "0", "1", "1" },
            { "1", "0", "0" }, { "1", "0", "0" }, same },
        Row { "parallel_thirds", { "0", "0", "3", "1" }, { "0", "1", "3", "2" },
            { "0.333333333333333", "0", "0" }, { "0.333333333333333", "1", "-3" }, parallel },
        Row { "perpendicular_thirds", { "0", "0", "3", "1" }, { "0", "10", "1", "7" },
            { "0.333333333333333", "0", "0" }, { "-3", "10", "3.33333333333333" }, "(3,  1)" },
        Row { "four_thirds_both_ways", { "0", "0", "-3", "4" }, { "0", "0", "3", "4" },
            { "-1.33333333333333", "0", "0" }, { "1.33333333333333", "0", "0" }, "(0,  0)" },
        Row { "crossing_at_a_third", { "0", "0", "1", "1" }, { "0", "1", "1", "-1" },
            { "1", "0", "0" }, { "-2", "1", "0.5" }, "(0.333333333333333,  0.3333333)" },
        Row { "tenths_crossing_at_minus_a_third", { "0", "0.3", "0.1", "0.4" },
            { "0", "0", "1", "0.1" }, { "1", "0.3", "-0.3" }, { "0.1", "0", "0" },
            "(-0.333333333333333,  -0.03333334)" },
        Row { "two_and_a_half_apart", { "2.5", "0", "5", "2.5" }, { "0", "5", "5", "0" },
            { "1", "-2.5", "2.5" }, { "-1", "5", "5" }, "(3.75,  1.25)" },
        // 3 * 2^-1075 lies halfway between 2^-1074 and 2^-1073: to the even one.
        Row { "tie_between_subnormals_to_even", { "0", "0", span, binary(3, -948) }, defaultTwo,
            { "9.88131291682493E-324", "0", "0" }, defaultTexts, "(-2,  0)" },
        // 2^-1075 lies halfway between 0 and the smallest double.
        Row { "tie_at_half_the_smallest_to_zero", { "0", "0", span, binary(1, -948) }, defaultTwo,
            { "0", "0", "0" }, defaultTexts, "(-2,  0)" },
        Row { "just_above_a_tie_rounds_up",
            { "0", "0", span, binary(1, -948).append("0000000001") }, defaultTwo,
            { "4.94065645841247E-324", "0", "0" }, defaultTexts, "(-2,  0)" },
        // The crossing's Y, 3 * 2^-150, lies halfway between two singles.
        Row { "single_tie_to_even", { "0", binary(3, -150), "1", binary(3, -150) }, yAxis,
            { "0", "2.10194769648723E-45", "none" }, yAxisTexts, "(0,  2.802597E-45)" },
        Row { "single_tie_at_half_the_smallest_to_zero",
            { "0", binary(1, -150), "1", binary(1, -150) }, yAxis,
            { "0", "7.00649232162409E-46", "none" }, yAxisTexts, "(0,  0)" },
        // Near the largest double a slope is still a number: (2^53 - 1) 2^971
        // itself, then 1.7976931348623158E+308, beyond it but below the
        // halfway point to 2^1024, which rounds down to it. The end points
        // stay within the drawing's single range.
        Row { "slope_the_largest_double",
            { "0", "0", "1E-270", binary((1L << 53) - 1, 971) + "E-270" }, yAxis,
            { "1.79769313486232E+308", "0", "0" }, yAxisTexts, "(0,  0)" },
        Row { "slope_just_below_two_to_the_1024", { "0", "0", "1E-270", "1.7976931348623158E38" },
            yAxis, { "1.79769313486232E+308", "0", "0" }, yAxisTexts, "(0,  0)" },
        Row { "slope_from_a_tiny_run", { "0", "0", "1E-270", "1E38" }, yAxis,
            { "1E+308", "0", "0" }, yAxisTexts, "(0,  0)" },
        // Halfway between the largest double and 2^1024 the tie goes to the
        // even neighbour, which is the infinity.
        Row { "slope_at_the_tie_below_two_to_the_1024",
            { "0", "0", "1E-270", binary((1L << 54) - 1, 970) + "E-270" }, yAxis, {}, {}, "",
            Problem::SlopeTooLarge },
        Row { "slope_beyond_double", { "0", "0", "1E-300", "1E+30" }, defaultTwo, {}, {}, "",
            StopReason::SlopeTooLarge },
        Row { "crossing_y_beyond_single", { "0", "0", "1", "1E+20" },
            { "1E+20", "0", "1E+20", "1" }, {}, {}, "", StopReason::CrossingTooLarge },
        // A slope of 1E+280 that meets the y-axis near -1E+310.
        Row { "y_intercept_beyond_double", { "1E+30", "0", nudged, "1E+10" }, defaultTwo, {}, {},
            "", StopReason::YInterceptTooLarge }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExactAnswers, DesignedArithmeticKeepsItsResidue)
{
    const TypedFields t { { "0", "0", "3", "4" }, { "3", "1", "6", "2" }, "-10", "10" };
    const CommandResult r = BothLines(t, false, Verticals::Answered, Arithmetic::Designed);
    EXPECT_EQ(textOf(r, ResultField::YIntercept1), "1.02140518265514E-14");
    EXPECT_EQ(textOf(BothLines(t, false), ResultField::YIntercept1), "0");
}

// The T nearest q found by looking at the neighbours of a near one, ties to
// the one with an even last bit.
template <typename T> T nearestByNeighbours(const mpq_class& q)
{
    const auto even = [](T c) {
        const T ulp
            = std::max(std::ldexp(T(1), std::ilogb(c) - (std::numeric_limits<T>::digits - 1)),
                std::numeric_limits<T>::denorm_min());
        return c == 0 || std::fmod(c / ulp, T(2)) == 0;
    };
    const T near = static_cast<T>(q.get_d());
    T best = near;
    for (const T c : { std::nextafter(near, T(-1e30)), std::nextafter(near, T(1e30)) }) {
        const int order = cmp(abs(q - mpq_class(c)), abs(q - mpq_class(best)));
        if (order < 0 || (order == 0 && even(c)))
            best = c;
    }
    return best;
}

std::string typedNumber(std::mt19937& rng)
{
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng); };
    switch (pick(0, 4)) {
    case 0:
    case 1:
        return std::to_string(pick(-4, 4));
    case 2:
        return std::to_string(pick(-20, 20)) + "." + std::to_string(pick(0, 9));
    case 3:
        return "-0.0" + std::to_string(pick(1, 99));
    default:
        return std::to_string(pick(1, 99)) + "E" + std::to_string(pick(-12, 12));
    }
}

// Each number written is the exact answer rounded once, and a crossing point
// written lies, before rounding, on both lines through the typed end points.
TEST(ExactAnswers, EveryNumberIsTheExactAnswerRoundedOnce)
{
    std::mt19937 rng(20);
    const auto number
        = [](const mpq_class& q) { return NumberToText(nearestByNeighbours<double>(q)); };
    int points = 0;
    for (int n = 0; n < 3000; ++n) {
        TypedFields t { {}, {}, "-10", "10" };
        for (std::string& s : t.line1)
            s = typedNumber(rng);
        for (std::string& s : t.line2)
            s = typedNumber(rng);
        const CommandResult r = BothLines(t, false);
        if (r.stop)
            continue;
        // Line k: a x + b y = c through both of its end points.
        std::array<mpq_class, 3> eq[2];
        for (int k = 0; k < 2; ++k) {
            const Line& typed = k == 0 ? t.line1 : t.line2;
            const mpq_class x1 = *exact::Read(typed[0]), y1 = *exact::Read(typed[1]),
                            x2 = *exact::Read(typed[2]), y2 = *exact::Read(typed[3]);
            eq[k] = { y2 - y1, x1 - x2, (y2 - y1) * x1 + (x1 - x2) * y1 };
            const auto field
                = [&](ResultField one, ResultField two) { return textOf(r, k == 0 ? one : two); };
            using enum ResultField;
            if (x1 == x2) {
                EXPECT_EQ(field(XAxis1, XAxis2), number(x1)) << typed[0];
                continue;
            }
            const mpq_class m = (y2 - y1) / (x2 - x1), b = y1 - m * x1;
            EXPECT_EQ(field(Slope1, Slope2), number(m)) << typed[0] << typed[1];
            EXPECT_EQ(field(YIntercept1, YIntercept2), number(b));
            EXPECT_EQ(field(XAxis1, XAxis2), m == 0 ? (b == 0 ? "all" : "none") : number(-b / m));
        }
        const auto& [a1, b1, c1] = eq[0];
        const auto& [a2, b2, c2] = eq[1];
        const mpq_class det = a1 * b2 - a2 * b1;
        const std::string caption = textOf(r, ResultField::Answer);
        if (det == 0) {
            // Line two's direction is line one's; the same line when its end
            // point lies on line one.
            const mpq_class x = *exact::Read(t.line2[0]), y = *exact::Read(t.line2[1]);
            EXPECT_EQ(caption,
                a1 * x + b1 * y == c1 ? "Same line. Infinite solutions."
                                      : "Parallel lines. No Intersection.");
            continue;
        }
        const mpq_class x = (c1 * b2 - c2 * b1) / det, y = (a1 * c2 - a2 * c1) / det;
        ASSERT_TRUE(a1 * x + b1 * y == c1 && a2 * x + b2 * y == c2);
        std::string point = "(";
        point.append(number(x)).append(",  ").append(NumberToText(nearestByNeighbours<float>(y)));
        EXPECT_EQ(caption, point.append(")"));
        ++points;
    }
    EXPECT_GT(points, 1500); // most random pairs cross
}

} // namespace
