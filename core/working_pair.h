#pragma once

#include "core/exact_line.h"
#include "core/working.h"

// The working for two lines together.
namespace core::working_pair {

// Where the lines cross: "(x, y)", "parallel" or "same".
WorkingStep CrossingStep(const exact::Line& one, const exact::Line& two);

// How they lie: "crossing", "perpendicular", "parallel" or "same".
WorkingStep RelationStep(const exact::Line& one, const exact::Line& two);

} // namespace core::working_pair
