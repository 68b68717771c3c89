#pragma once

#include "core/line_commands.h"

#include <span>
#include <string>

// What the key types into the window for each cell of a row, and a note on
// every cell that was not a plain number, so that a teacher sees at once
// which rows answer something other than the sheet.
namespace answers {

// Turns each cell of a pair of lines (X1, Y1, X2, Y2 of line one, then of
// line two) into the text the window is given, and returns the note on how
// the cells that are not read in full were read, "; " between them:
//   "line 2 Y2 empty, read as 0"
//   "line 1 X1 '1 1/2' read as 3/2"
//   "line 1 Y1 '0,5' read as 0.5 (decimal comma)"
// In exact arithmetic a cell that is a fraction, a mixed number or a
// fraction character is read as that number, as the window reads it; in the
// designed arithmetic "1/2" is read as 1. With `decimalComma`, a cell that reads in full once its
// one comma is a point is given with the point. A cell too large to read gets no note: the window's
// warning says so.
std::string readCells(std::span<std::string> cells, bool decimalComma,
    core::Arithmetic arithmetic = core::Arithmetic::Exact);

} // namespace answers
