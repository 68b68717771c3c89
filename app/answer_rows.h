#pragma once

#include "app/key_columns.h"
#include "app/window_answers.h"
#include "core/exact_line.h"
#include "core/working.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One row of an answer key and the two forms it is written in.
namespace answers {

// A pair of lines as typed: X1, Y1, X2, Y2 of line one, then of line two.
using TypedRow = std::array<std::string, 8>;

struct Answer {
    long long row = 0; // the row's number in the input, counted from 1
    TypedRow typed;
    WindowTexts window; // what the window shows
    core::exact::Line line1, line2; // what the typed numbers mean, exactly
    core::exact::Crossing crossing;
    std::string note; // how the cells that are not plain numbers were read
    std::vector<core::WorkingStep> working; // only when asked for
};

// Answers one row on a fresh window whose range fields hold `lower` and
// `upper`, the window's texts worked out in `arithmetic`.
Answer answerRow(long long row, const TypedRow& typed, const std::string& lower,
    const std::string& upper, core::Arithmetic arithmetic = core::Arithmetic::Exact,
    bool working = false);

// A row's cells in the order of columnNames(); nothing where a value does
// not exist, which CSV writes as an empty field without quotes.
using Cells = std::vector<std::optional<std::string>>;

// `lineEnd` ends every line of the report: the window's report mixes CR LF
// and LF, and a cell keeps to one convention.
Cells answerCells(const Answer& answer, std::string_view lineEnd);
Cells errorCells(long long row, std::string_view message, bool working = false);

// CSV: a header row, then one row per input row; each record ends in CR LF,
// and so does every line inside a report; every field that exists quoted.
// With the working, a column `working` before `error` holds it as plain
// text, its lines ended by LF.
std::string csvHeader(Headers headers = Headers::Fields, bool working = false);
std::string csvAnswer(const Answer& answer);
std::string csvError(long long row, std::string_view message, bool working = false);

// JSON Lines: one object a line, ended by LF. With the working, a field
// "working": an array of {"id", "heading", "lines", "result"}.
std::string jsonAnswer(const Answer& answer);
std::string jsonError(long long row, std::string_view message);

} // namespace answers
