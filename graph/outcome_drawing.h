#pragma once

#include "graph/plot_frame.h"
#include "graph/point_marks.h"

#include <optional>
#include <vector>

namespace core {
struct CommandResult;
}

namespace graph {

class Canvas;
class DrawingRecord;

// What of a command's picture could not be drawn. The command has decided
// already why it stopped; this only says how far the tick marks got.
struct OutcomeDrawn {
    // Where the tick marks ended; nothing when none were tried, because a
    // bound of the range could not be read.
    std::optional<TickStop> ticks;
};

// Draws a line command's outcome as the graph shows it, onto the canvas and
// into the record (when given), so that it can be drawn again onto any
// device: the plot frame for the range the command read (a bound it could
// not read counts as 0), the tick marks when both bounds were read, and the
// segments it reached in their lines' colours. The user's y grows upwards,
// the picture's downwards: a user's point (x, y) is drawn at (x, -y). With
// EndNumbers::Shown the tick marks' far-end numbers are printed inside the
// picture too (see drawEndNumbers).
OutcomeDrawn drawOutcome(Canvas& canvas, DrawingRecord* record, const core::CommandResult& result,
    EndNumbers endNumbers = EndNumbers::Cut);

// The end points of the segments drawn, in their lines' colours, and a
// crossing point in black, as labelled points of the picture. An end point's
// label leans beyond the end of its segment; the crossing's into the wider
// of the angles between the lines.
std::vector<PointMark> outcomeMarks(const core::CommandResult& result);

} // namespace graph
