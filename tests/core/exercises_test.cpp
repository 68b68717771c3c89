// Worksheet exercises, checked against what each level promises, over many
// seeds.
#include "core/exact_line.h"
#include "core/exercises.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using core::Exercise;
using core::exact::CrossingKind;
using core::exact::LineKind;

core::exact::Line lineOf(const Exercise& e, int line)
{
    const int k = line == 1 ? 0 : 4;
    return core::exact::LineThrough(e[k], e[k + 1], e[k + 2], e[k + 3]);
}

bool inRange(const mpq_class& v)
{
    return v >= -10 && v <= 10;
}

// A slope of halves, thirds, quarters or fifths that is not a whole number.
bool fractional(const mpq_class& slope)
{
    return slope.get_den() >= 2 && slope.get_den() <= 5;
}

bool wholeOrHalf(const mpq_class& v)
{
    return v.get_den() <= 2;
}

// Which of the kinds a pupil should recognise a pair is, if any.
bool isSpecial(
    const core::exact::Line& one, const core::exact::Line& two, const core::exact::Crossing& c)
{
    if (c.kind != CrossingKind::Point)
        return true; // parallel or the same line
    if (one.kind == LineKind::Vertical || two.kind == LineKind::Vertical)
        return true;
    if (one.slope == 0 || two.slope == 0)
        return true;
    return one.slope * two.slope == -1;
}

class EachLevel : public testing::TestWithParam<int> { };

TEST_P(EachLevel, KeepsItsPromisesOverManySeeds)
{
    const int level = GetParam();
    int exercises = 0, specials = 0;
    for (std::uint64_t seed = 0; seed < 150; ++seed) {
        const std::vector<Exercise> sheet = core::MakeExercises(8, level, seed);
        ASSERT_EQ(sheet.size(), 8u) << "seed " << seed;
        std::set<Exercise> different(sheet.begin(), sheet.end());
        EXPECT_EQ(different.size(), sheet.size()) << "a repeated exercise, seed " << seed;
        for (const Exercise& e : sheet) {
            SCOPED_TRACE(
                testing::Message() << "seed " << seed << ": " << testing::PrintToString(e));
            ++exercises;
            for (const int v : e)
                EXPECT_TRUE(v >= -10 && v <= 10);
            const core::exact::Line one = lineOf(e, 1), two = lineOf(e, 2);
            for (const auto* l : { &one, &two }) {
                // Two different end points, and not along an axis.
                EXPECT_NE(l->kind, LineKind::Point);
                EXPECT_FALSE(l->kind == LineKind::Vertical && l->xIntercept.at == 0);
                EXPECT_FALSE(l->kind == LineKind::Line && l->slope == 0 && l->yIntercept.at == 0);
            }
            // Line one's end points again, in either order, would give the
            // answer away.
            const std::set<std::pair<int, int>> ends1 { { e[0], e[1] }, { e[2], e[3] } };
            const std::set<std::pair<int, int>> ends2 { { e[4], e[5] }, { e[6], e[7] } };
            EXPECT_NE(ends1, ends2) << "line two through line one's end points";
            const core::exact::Crossing c = core::exact::CrossingOf(one, two);
            const bool special = isSpecial(one, two, c);
            specials += special;
            if (level < 3) {
                ASSERT_FALSE(special);
            }
            if (c.kind == CrossingKind::Point) {
                EXPECT_TRUE(inRange(c.x) && inRange(c.y));
                for (int k = 0; k < 8; k += 2)
                    EXPECT_FALSE(c.x == e[k] && c.y == e[k + 1]) << "an end point at the crossing";
                EXPECT_TRUE(level == 1 ? c.x.get_den() == 1 && c.y.get_den() == 1
                                       : wholeOrHalf(c.x) && wholeOrHalf(c.y));
            }
            if (level == 1) {
                for (const auto* l : { &one, &two }) {
                    EXPECT_EQ(l->slope.get_den(), 1);
                    EXPECT_GE(abs(l->slope), 2);
                }
            } else if (!special) {
                EXPECT_TRUE(fractional(one.slope) && fractional(two.slope));
            }
        }
    }
    if (level == 3) {
        // About one pair in four.
        EXPECT_GT(specials * 100, exercises * 15);
        EXPECT_LT(specials * 100, exercises * 35);
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, EachLevel, testing::Values(1, 2, 3),
    [](const testing::TestParamInfo<int>& info) { return "level_" + std::to_string(info.param); });

TEST(Exercises, TheSameSeedGivesTheSameSheetAnotherSeedAnother)
{
    for (int level = 1; level <= 3; ++level) {
        EXPECT_EQ(core::MakeExercises(8, level, 42), core::MakeExercises(8, level, 42));
        EXPECT_NE(core::MakeExercises(8, level, 42), core::MakeExercises(8, level, 43));
        // A longer sheet starts as the shorter one.
        const std::vector<Exercise> twelve = core::MakeExercises(12, level, 7);
        EXPECT_EQ(core::MakeExercises(8, level, 7),
            std::vector<Exercise>(twelve.begin(), twelve.begin() + 8));
    }
}

// The draws are the program's own, not a library's distribution, whose
// results the standard leaves to each library: this sheet is the same on
// every machine.
TEST(Exercises, SeedOneLevelOneOnEveryMachine)
{
    EXPECT_EQ(core::MakeExercises(1, 1, 1).at(0), (Exercise { -6, 7, -9, 1, -9, 3, -8, 7 }));
}

TEST(Exercises, TextsAreTheNumbers)
{
    EXPECT_EQ(core::ExerciseTexts({ -6, 0, 8, 7, -7, -5, 6, 8 }),
        (std::array<std::string, 8> { "-6", "0", "8", "7", "-7", "-5", "6", "8" }));
}

} // namespace
