#pragma once

#include <string>
#include <string_view>

namespace answers {

// Appends `text` as one CSV field, after a comma unless `out` is empty:
// always quoted, a quote inside doubled, every other byte as it is, as
// libcsv's csv_write writes it.
void appendCsvField(std::string& out, std::string_view text);

} // namespace answers
