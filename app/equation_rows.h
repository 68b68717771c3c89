#pragma once

#include "app/answer_rows.h"
#include "app/failure.h"

#include <array>
#include <string>
#include <string_view>

namespace answers {

// Whether a row of two fields is two lines typed as their equations: one of
// them holds an "=". Two fields without one are a row that lacks fields.
bool isEquationRow(const TypedRow& row, std::size_t fields);

// The end points the window chooses for a line typed as its equation, in the
// range lower..upper: X1, Y1, X2, Y2. Fails when the equation cannot be read
// (the reader's words after `unreadable`) or its line misses the range.
trellan::Result<std::array<std::string, 4>> endPointsOf(std::string_view equation,
    const std::string& lower, const std::string& upper, std::string_view unreadable = {});

// The equation row with the end points the window chooses for each line
// in the range: X1, Y1, X2, Y2 of line one, then of line two, so that its
// answers are the window's.
trellan::Result<TypedRow> endPointsFromEquations(
    const TypedRow& row, const std::string& lower, const std::string& upper);

} // namespace answers
