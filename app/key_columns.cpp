#include "app/key_columns.h"

#include "core/line_commands.h"
#include "core/said.h"

#include <array>
#include <string_view>

namespace answers {

namespace {

constexpr std::array<std::string_view, 4> coordinates = { "X1", "Y1", "X2", "Y2" };

// The result fields in words, in core::ResultField's order, line one's then
// line two's, each with its line's number; the crossing label comes last.
constexpr std::array<core::Words, 5> lineFieldWords = {
    TRELLAN_WORDS("answer key", "Slope %1"),
    TRELLAN_WORDS("answer key", "y-intercept %1"),
    TRELLAN_WORDS("answer key", "Equation %1"),
    TRELLAN_WORDS("answer key", "x-axis crossing %1"),
    TRELLAN_WORDS("answer key", "y-axis crossing %1"),
};

constexpr std::array<std::string_view, 5> exactFields
    = { "kind", "slope", "y_intercept", "x_intercept", "equation" };
constexpr std::array<core::Words, 5> exactWords = {
    TRELLAN_WORDS("answer key", "Exact kind %1"),
    TRELLAN_WORDS("answer key", "Exact slope %1"),
    TRELLAN_WORDS("answer key", "Exact y-intercept %1"),
    TRELLAN_WORDS("answer key", "Exact x-intercept %1"),
    TRELLAN_WORDS("answer key", "Exact equation %1"),
};

std::vector<std::string> fieldNames()
{
    std::vector<std::string> names { "row" };
    for (const std::string_view line : { "line1_", "line2_" })
        for (const std::string_view c : coordinates)
            names.push_back(std::string(line) + std::string(c));
    for (int f = 0; f < core::ResultFieldCount; ++f)
        names.emplace_back(core::FieldName(static_cast<core::ResultField>(f)));
    names.insert(names.end(), { "warning", "report" });
    for (const std::string_view line : { "exact_line1_", "exact_line2_" })
        for (const std::string_view name : exactFields)
            names.push_back(std::string(line) + std::string(name));
    names.insert(names.end(),
        { "exact_crossing_kind", "exact_crossing_x", "exact_crossing_y", "error", "note" });
    return names;
}

std::vector<std::string> words()
{
    std::vector<std::string> names { core::Say(TRELLAN_WORDS("answer key", "Row")) };
    for (const std::string_view line : { "1", "2" })
        for (const std::string_view c : coordinates)
            names.push_back(core::Say(TRELLAN_WORDS("answer key", "Line %1: %2"), { line, c }));
    for (const std::string_view line : { "1", "2" })
        for (const core::Words& word : lineFieldWords)
            names.push_back(core::Say(word, { line }));
    for (const core::Words word : { TRELLAN_WORDS("answer key", "Crossing"),
             TRELLAN_WORDS("answer key", "Warning"), TRELLAN_WORDS("answer key", "Report") })
        names.push_back(core::Say(word));
    for (const std::string_view line : { "1", "2" })
        for (const core::Words& word : exactWords)
            names.push_back(core::Say(word, { line }));
    for (const core::Words word : { TRELLAN_WORDS("answer key", "Exact crossing kind"),
             TRELLAN_WORDS("answer key", "Exact crossing x"),
             TRELLAN_WORDS("answer key", "Exact crossing y"), TRELLAN_WORDS("answer key", "Error"),
             TRELLAN_WORDS("answer key", "Note") })
        names.push_back(core::Say(word));
    return names;
}

} // namespace

std::vector<std::string> columnNames(Headers headers, bool working)
{
    std::vector<std::string> names = headers == Headers::Words ? words() : fieldNames();
    if (working)
        names.insert(names.end() - 2,
            headers == Headers::Words ? core::Say(TRELLAN_WORDS("answer key", "Working"))
                                      : "working");
    return names;
}

} // namespace answers
