#pragma once

#include "core/line_commands.h"

#include <QString>

#include <array>
#include <optional>

class Form1;

// What the line commands should leave in the result fields: the core's
// command chain, run on the texts the fields hold.
namespace monkey_oracle {

// The eleven result texts, indexed by core::ResultField.
using ResultTexts = std::array<QString, core::ResultFieldCount>;
constexpr std::size_t at(core::ResultField field)
{
    return static_cast<std::size_t>(field);
}

ResultTexts resultTexts(const Form1& form);

// The chain's outcome for the fields as they stand.
core::CommandResult bothLines(
    const Form1& form, bool report, core::Verticals verticals = core::Verticals::Answered);
core::CommandResult drawLine(const Form1& form, int line);

// The window did what the chain says when every field the chain wrote holds
// its text, and a command that warns (a click, not a zoom) warned exactly
// when the chain stopped. Every other field holds what it held before; a
// click that stopped has emptied the fields it did not reach.
// Returns what is wrong, or an empty text.
QString checkWrites(const ResultTexts& before, const ResultTexts& after,
    const core::CommandResult& expected, bool warns, bool warned);

// A report as the results box shows it.
QString shownReport(const std::string& report);

} // namespace monkey_oracle
