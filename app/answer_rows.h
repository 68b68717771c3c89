#pragma once

#include "app/window_answers.h"
#include "core/exact_line.h"
#include "core/working.h"

#include <array>
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
    std::vector<core::WorkingStep> working; // only when asked for
};

// Answers one row on a fresh window whose range fields hold `lower` and
// `upper`, the window's texts worked out in `arithmetic`.
Answer answerRow(long long row, const TypedRow& typed, const std::string& lower,
    const std::string& upper, core::Arithmetic arithmetic = core::Arithmetic::Exact,
    bool working = false);

// CSV: a header row, then one row per input row; each record ends in CR LF,
// every field quoted. With the working, a column `working` before `error`
// holds it as plain text, its lines ended by LF.
std::string csvHeader(bool working = false);
std::string csvAnswer(const Answer& answer);
std::string csvError(long long row, std::string_view message, bool working = false);

// JSON Lines: one object a line, ended by LF. With the working, a field
// "working": an array of {"id", "heading", "lines", "result"}.
std::string jsonAnswer(const Answer& answer);
std::string jsonError(long long row, std::string_view message);

} // namespace answers
