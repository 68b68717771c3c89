#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

// How a spreadsheet saved its CSV: a comma, a semicolon or a tab between
// the fields, as the spreadsheet's language has it. Where the separator is
// not a comma, a comma inside a number is the decimal point.
namespace answers {

inline constexpr char separators[] = { ',', ';', '\t' };

// What libcsv is told a blank is (csv_set_space_func): nothing, so that
// fields are taken as typed; it would otherwise drop the blanks around an
// unquoted field.
int noBlanks(unsigned char);

// The separator of a file that starts with `start`, found from its first
// rows as spreadsheets find it: the one that splits the most rows into a
// size in `rowSizes` (a semicolon or a tab before a comma), else the one
// that splits them all alike into the most fields, else a comma. Quoted fields are read as CSV, so
// a separator inside quotes counts for nothing.
char guessSeparator(std::string_view start, std::span<const std::size_t> rowSizes);

// The name --separator takes and the messages use: ",", ";" or "tab".
std::string_view separatorName(char separator);

// The separator of a name --separator takes; nothing for any other name.
std::optional<char> separatorNamed(std::string_view name);

} // namespace answers
