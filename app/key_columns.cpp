#include "app/key_columns.h"

#include "core/line_commands.h"

#include <array>
#include <string_view>

namespace answers {

namespace {

constexpr std::array<std::string_view, 4> coordinates = { "X1", "Y1", "X2", "Y2" };

// The result fields in words, in core::ResultField's order, line one's then
// line two's; the crossing label comes last.
constexpr std::array<std::string_view, 5> lineFieldWords
    = { "Slope", "y-intercept", "Equation", "x-axis crossing", "y-axis crossing" };

constexpr std::array<std::string_view, 5> exactFields
    = { "kind", "slope", "y_intercept", "x_intercept", "equation" };
constexpr std::array<std::string_view, 5> exactWords
    = { "Exact kind", "Exact slope", "Exact y-intercept", "Exact x-intercept", "Exact equation" };

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
    std::vector<std::string> names { "Row" };
    for (const std::string_view line : { "Line 1: ", "Line 2: " })
        for (const std::string_view c : coordinates)
            names.push_back(std::string(line) + std::string(c));
    for (const char* line : { " 1", " 2" })
        for (const std::string_view word : lineFieldWords)
            names.push_back(std::string(word) + line);
    names.insert(names.end(), { "Crossing", "Warning", "Report" });
    for (const char* line : { " 1", " 2" })
        for (const std::string_view word : exactWords)
            names.push_back(std::string(word) + line);
    names.insert(names.end(),
        { "Exact crossing kind", "Exact crossing x", "Exact crossing y", "Error", "Note" });
    return names;
}

} // namespace

std::vector<std::string> columnNames(Headers headers, bool working)
{
    std::vector<std::string> names = headers == Headers::Words ? words() : fieldNames();
    if (working)
        names.insert(names.end() - 2, headers == Headers::Words ? "Working" : "working");
    return names;
}

} // namespace answers
