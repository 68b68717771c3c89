#include "app/csv_dialect.h"

#include <algorithm>
#include <csv.h>
#include <vector>

namespace answers {

namespace {

// Enough rows to see a pattern; a header row among them counts as one.
constexpr std::size_t sampleRows = 20;

struct FieldCounts {
    std::vector<std::size_t> rows; // fields in each row read
    std::size_t fields = 0; // of the row being read

    static void onField(void*, std::size_t, void* self)
    {
        ++static_cast<FieldCounts*>(self)->fields;
    }
    static void onRow(int, void* self)
    {
        auto* counts = static_cast<FieldCounts*>(self);
        if (counts->rows.size() < sampleRows)
            counts->rows.push_back(counts->fields);
        counts->fields = 0;
    }
};

// The fields in each of the first rows, read with libcsv as the key reads
// them; blank lines are no rows to libcsv.
std::vector<std::size_t> fieldsPerRow(std::string_view start, char separator)
{
    csv_parser parser {};
    csv_init(&parser, 0);
    csv_set_space_func(&parser, noBlanks);
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    FieldCounts counts;
    // The rows are few: stop reading once they are in.
    for (std::size_t at = 0; at < start.size() && counts.rows.size() < sampleRows;) {
        const std::size_t size = std::min<std::size_t>(4096, start.size() - at);
        csv_parse(
            &parser, start.data() + at, size, FieldCounts::onField, FieldCounts::onRow, &counts);
        at += size;
    }
    // A last row cut off by the end of the sample counts as it stands.
    csv_fini(&parser, FieldCounts::onField, FieldCounts::onRow, &counts);
    csv_free(&parser);
    return counts.rows;
}

} // namespace

int noBlanks(unsigned char)
{
    return 0;
}

char guessSeparator(std::string_view start, std::span<const std::size_t> rowSizes)
{
    char best = ',';
    std::size_t bestFits = 0;
    char alike = ',';
    std::size_t alikeFields = 1;
    // A semicolon or a tab is never part of a number, a comma may be: where
    // both split the rows alike, the comma is a decimal point.
    for (const char separator : { ';', '\t', ',' }) {
        const std::vector<std::size_t> rows = fieldsPerRow(start, separator);
        if (rows.empty())
            continue;
        // One mistyped row does not hide the file's separator.
        const auto fits = static_cast<std::size_t>(std::ranges::count_if(
            rows, [&](std::size_t n) { return std::ranges::find(rowSizes, n) != rowSizes.end(); }));
        if (fits > bestFits) {
            best = separator;
            bestFits = fits;
        }
        const bool same = std::ranges::all_of(rows, [&](std::size_t n) { return n == rows[0]; });
        if (same && rows[0] > alikeFields) {
            alike = separator;
            alikeFields = rows[0];
        }
    }
    return bestFits > 0 ? best : alike;
}

std::string_view separatorName(char separator)
{
    switch (separator) {
    case ';':
        return ";";
    case '\t':
        return "tab";
    default:
        return ",";
    }
}

std::optional<char> separatorNamed(std::string_view name)
{
    for (const char separator : separators)
        if (name == separatorName(separator))
            return separator;
    return std::nullopt;
}

} // namespace answers
