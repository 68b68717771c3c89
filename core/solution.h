#pragma once

#include "core/exact_line.h"
#include "core/exercises.h"
#include "core/line_commands.h"
#include "core/working.h"

#include <string>
#include <vector>

namespace core {

// An exercise worked out exactly, once, for everything that shows its
// answers: the worksheet's key and the Practice window.
struct Solution {
    exact::Line one, two;
    exact::Crossing crossing;
    // The answers a pupil writes down, as the key prints them, in UTF-8 with
    // the minus sign U+2212: "Line 1: y = 1/2 x − 3; slope 1/2, y-intercept
    // −3" (a vertical line: "Line 2: x = 4; its slope is undefined"), then
    // "They cross at (2, −2)", "Parallel: they never cross" or "The same
    // line: they meet everywhere".
    std::vector<std::string> answers;
    // Where the lines cross as the key prints it, "(2, −2)"; empty when they
    // do not cross at one point.
    std::string crossingPoint;
    // How each answer is reached, step by step.
    std::vector<WorkingStep> working;
    // Both lines drawn in the window's range -10..10, as the window draws
    // them.
    CommandResult drawn;
};

Solution SolutionOf(const Exercise& exercise);

} // namespace core
