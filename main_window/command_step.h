#pragma once

#include "core/errors.h"
#include "main_window/bad_input.h"

// The one way the window's commands meet a failing step: an arithmetic
// error, or a bad_input::Stop that carries its warning. Where the design
// lets a step fail quietly (the zoom's steps, the plot frame, the pointer
// readout) the step is skipped and the command goes on; everywhere else the
// command stops there and the user is told why.
namespace command_step {

// Runs a step that is skipped when it fails. Returns whether it completed.
template <typename Step> bool skipOnFailure(Step&& step)
{
    try {
        step();
        return true;
    } catch (const core::ArithmeticError&) {
    } catch (const bad_input::Stop&) {
    }
    return false;
}

// Runs a step whose failure stops the command with the warning `warning`
// gives.
template <typename Step, typename Warning>
decltype(auto) stopOnFailure(Step&& step, Warning&& warning)
{
    try {
        return step();
    } catch (const core::ArithmeticError&) {
        throw bad_input::Stop { warning() };
    }
}

// Runs a whole command. A step that stops it ends it there; what it drew and
// wrote until then stays, and the stop's warning goes to `warn`.
template <typename Command, typename Warn> void runCommand(Command&& command, Warn&& warn)
{
    try {
        command();
    } catch (const bad_input::Stop& stop) {
        warn(stop.message);
    }
}

} // namespace command_step
