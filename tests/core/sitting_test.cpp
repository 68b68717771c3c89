// A sitting's rules without a window: the hints a wrong answer earns.

#include "core/exact_line.h"
#include "core/sitting.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

using core::practice::Question;
using core::practice::Sitting;

// However many wrong answers are tried, no line of a hint holds a value that
// would be marked right: not "m = 7 / 14", not "y = 2 x + (-3)".
TEST(Sitting, NoHintGivesTheAnswerAway)
{
    for (int level = core::LowestLevel; level <= core::HighestLevel; ++level) {
        Sitting sitting(level, 77);
        for (int k = 0; k < 40; ++k, sitting.next()) {
            const std::array<std::string, 8> t = core::ExerciseTexts(sitting.exercise());
            const core::exact::Line one = core::exact::LineThrough(t[0], t[1], t[2], t[3]);
            const core::exact::Line two = core::exact::LineThrough(t[4], t[5], t[6], t[7]);
            for (int tries = 0; tries < 8; ++tries) {
                const std::string n = std::to_string(1000 + tries);
                sitting.check({ n, n, "y = " + n + "x", n, n, "y = " + n + "x", n + ", 0" });
            }
            for (const Question question : core::practice::questions) {
                const auto givesAway = [&](std::string_view value) {
                    return core::practice::Check(question, value, one, two)
                        == core::practice::Mark::Right;
                };
                for (const std::string& line : sitting.hint(question).lines) {
                    bool given = givesAway(line);
                    for (std::size_t at = line.find(" = "); at != std::string::npos;
                         at = line.find(" = ", at + 3))
                        given = given || givesAway(std::string_view(line).substr(at + 3));
                    ASSERT_FALSE(given) << line;
                }
            }
        }
    }
}
