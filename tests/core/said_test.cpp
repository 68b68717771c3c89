#include "core/said.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

struct Row {
    const char* name;
    const char* text;
    std::initializer_list<std::string_view> args;
    const char* said;
};

// A number's text is put in as it is, never read again for places.
const Row rows[] = {
    { "no_places", "The lines are parallel.", {}, "The lines are parallel." },
    { "two_places", "Line %1 meets the x-axis at %2.", { "2", "(-6, 0)" },
        "Line 2 meets the x-axis at (-6, 0)." },
    { "places_in_another_order", "%2 then %1", { "a", "b" }, "b then a" },
    { "an_argument_that_looks_like_a_place", "m = %1", { "%2" }, "m = %2" },
    { "a_place_without_an_argument", "%1 and %3", { "x" }, "x and %3" },
    { "a_percent_at_the_end", "50%", {}, "50%" },
};

class SaidTest : public testing::TestWithParam<Row> { };

TEST_P(SaidTest, PutsTheArgumentsInTheirPlaces)
{
    const Row& row = GetParam();
    EXPECT_EQ(core::Say(core::Words { "test", row.text }, row.args), row.said);
}

INSTANTIATE_TEST_SUITE_P(Rows, SaidTest, testing::ValuesIn(rows),
    [](const testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

std::string Reversed(const char* context, const char* text)
{
    if (std::strcmp(context, "test") != 0)
        return text;
    std::string turned(text);
    return std::string(turned.rbegin(), turned.rend());
}

TEST(Said, TheChosenLanguageGivesTheTextBeforeThePlacesAreFilled)
{
    core::SetTranslation(Reversed);
    const std::string said = core::Say(TRELLAN_WORDS("test", "1% = y"), { "mn" });
    core::SetTranslation(nullptr);
    EXPECT_EQ(said, "y = mn");
    EXPECT_EQ(core::Say(TRELLAN_WORDS("test", "1% = y"), { "mn" }), "1% = y");
}

} // namespace
