#pragma once

#include "core/errors.h"

// Where the design lets a step fail quietly (the zoom's steps, the pointer
// readout) the step is skipped and the command goes on; a dragged point
// skips a range it cannot read in the same way, in its own room. The line
// commands' own stops are decided by the core and come as a value.
namespace command_step {

// Runs a step that is skipped when it fails. Returns whether it completed.
template <typename Step> bool skipOnFailure(Step&& step)
{
    try {
        step();
        return true;
    } catch (const core::ArithmeticError&) {
    }
    return false;
}

} // namespace command_step
