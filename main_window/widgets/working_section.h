#pragma once

#include "core/working.h"

#include <QString>

#include <vector>

// The working as the Exact values and Practice windows show it: each step's
// heading, then its lines as a pupil writes them, the minus sign and
// subscripts in place and each fraction stacked, numerator over denominator;
// the lines of a step are one paragraph with a line break between them.
namespace working_section {

QString html(const std::vector<core::WorkingStep>& steps);

// html() in its parts: the heading, then the steps; a page made in parts
// writes the steps of each part in turn.
QString heading();
QString stepsHtml(const std::vector<core::WorkingStep>& steps);

} // namespace working_section
