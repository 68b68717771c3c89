#pragma once

#include "core/line.h"

#include <QString>

#include <optional>
#include <utility>

namespace graph {
class Canvas;
}

// The graph picture drawn the plain way, as a yardstick for the real one: a
// grid line for every whole number of the range, and a tick and a printed
// number for every whole number on each axis, each through the canvas's
// ordinary Line and Print. It follows the same steps, in the same order and
// with the same failures, as the main window's plot frame, tick marks and
// line drawing, but shares none of their code above the canvas; the
// benchmarks time it beside them and the pixel tests compare their pictures
// with it.
namespace reference {

// A whole number as the panel prints it: the place of the sign (a blank for
// zero and above, else the minus sign), the digits, and one blank behind.
QString tickText(int n);

// The plot frame for the range L..U: scale, grid, axes, font. Failing steps
// are skipped. A range with more than `maxGridLines` whole numbers that can
// be drawn is refused with std::length_error: the plain loop would not end
// in reasonable time.
void Frame(graph::Canvas& canvas, double L, double U, double maxGridLines = 1e6);

// The tick marks and numbers for the range L..U. False when a step fails
// (a scale the canvas refuses, or a 16-bit counter overflow), at the same
// point as the real tick marks stop; what was drawn until then stays.
bool TickMarks(graph::Canvas& canvas, double L, double U);

// The tick marks as the panel drew them when each tick compared its pixels
// with the next one's: a tick the next one paints over is skipped, and every
// number goes through the canvas's PrintNumber. Onto a vector device this is
// the picture the panel's SVG and PDF must keep.
bool TickMarksPaintedOver(graph::Canvas& canvas, double L, double U);

// Both lines as the both-lines command draws them, user y negated; a line
// beyond the drawing range ends the drawing there.
void Lines(graph::Canvas& canvas, const core::EndPoints& one, const core::EndPoints& two);

// Cls, then the frame, the ticks and, when given, both lines: the picture
// the both-lines command leaves on the panel.
void Picture(graph::Canvas& canvas, double L, double U,
    const std::optional<std::pair<core::EndPoints, core::EndPoints>>& lines = {});

} // namespace reference
