#pragma once

#include "core/line_commands.h"

#include <array>
#include <optional>
#include <string>

namespace answers {

// What the main window shows after one both-lines command.
struct WindowTexts {
    // The result fields and the crossing label, indexed by core::ResultField.
    std::array<std::string, core::ResultFieldCount> fields;
    // The warning's words when the command stopped.
    std::optional<std::string> warning;
    // The report the command added to the results box, CR LF included;
    // empty when the command stopped.
    std::string report;
};

// What a freshly started window shows once its end-point and range fields
// hold `typed`, the report box is ticked and Draw Both Lines is clicked.
// The window's own command chain works it out; a command that stops
// leaves the fields it did not reach empty.
WindowTexts freshWindowAnswer(
    const core::TypedFields& typed, core::Arithmetic arithmetic = core::Arithmetic::Exact);

// The same from the both-lines command's outcome on those texts, with the
// report asked for.
WindowTexts freshWindowAnswer(const core::CommandResult& bothLines);

} // namespace answers
