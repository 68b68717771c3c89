#pragma once

#include <QString>

#include <array>
#include <optional>
#include <vector>

class Form1;

// What the line commands should leave in the result fields, recomputed from
// the end-point fields with the core's own rules.
namespace monkey_oracle {

// The eleven result texts, in the order the both-lines command writes them.
enum Result { Slope1, Yint1, Slope2, Yint2, Ans, Eqn1, Eqn2, L1yint, L2yint, L1xint, L2xint };
constexpr int resultCount = 11;
using ResultTexts = std::array<QString, resultCount>;

ResultTexts resultTexts(const Form1& form);
const char* resultName(int field);

// The text the core's rules give for a field, or nothing where they fail:
// a command must stop before writing such a field.
using Expected = std::optional<QString>;

struct Write {
    int field;
    Expected text;
};
using Writes = std::vector<Write>;

// The writes of each command, in its order, for the fields as they stand.
Writes bothLinesWrites(const Form1& form);
Writes drawLineWrites(const Form1& form, int line);

// A command that completed (no warning) wrote every field. One that stopped
// wrote the fields up to its failing step and left every later field alone.
// Returns what is wrong, or an empty text.
QString checkWrites(
    const ResultTexts& before, const ResultTexts& after, const Writes& writes, bool completed);

// The report the both-lines command adds to the results box, as the box
// shows it, or nothing when the fields give no report.
Expected expectedReport(const Form1& form);

} // namespace monkey_oracle
