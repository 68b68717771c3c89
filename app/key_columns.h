#pragma once

#include <string>
#include <vector>

// The answer key's columns, in the order every row holds them.
namespace answers {

enum class Headers {
    Fields, // the names scripts read: "row", "line1_X1", ..., "txt_slope1", ..., "note"
    Words, // plain words for people: "Row", "Line 1: X1", ..., "Slope 1", ..., "Note"
};

// With the working, a column for it stands before the error's.
std::vector<std::string> columnNames(Headers headers, bool working = false);

} // namespace answers
