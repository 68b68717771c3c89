#pragma once

#include "app/answer_rows.h"

#include <optional>
#include <string>

namespace answers {

// Whether a row of two fields is two lines typed as their equations: one of
// them holds an "=". Two fields without one are a row that lacks fields.
bool isEquationRow(const TypedRow& row, std::size_t fields);

// Writes over an equation row the end points the window chooses for each
// line in the range lower..upper: X1, Y1, X2, Y2 of line one, then of line
// two, so that its answers are the window's. Why not, when an equation
// cannot be read or its line misses the range.
std::optional<std::string> endPointsFromEquations(
    TypedRow& row, const std::string& lower, const std::string& upper);

} // namespace answers
