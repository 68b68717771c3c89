#pragma once

#include "main_window/widgets/typed_boxes.h"

// The door by which a room of the main window reaches the window's lines:
// the boxes typed into and the line commands. The window opens it; a room
// knows nothing else of the window.
class LineDoor {
public:
    // The line commands.
    enum class Command { BothLines, Line1, Line2 };
    // How a command is run. By its button (or Enter, or at start-up) it
    // answers a vertical line, adds the report when the window adds reports,
    // empties the result fields a stop did not reach, so that none shows an
    // answer to earlier input, and warns of the stop. Quietly, as a dragged
    // point's redraw, it does the same without a report or a warning. The
    // zoom's redraw keeps the designed rule: a vertical line is a failing
    // step, and at a failing step the fields keep what they held; it adds no
    // report and warns of nothing.
    enum class Run { Button, Quietly, Zoom };

    // Both lines' end points, then the range, in the order of TypedBoxes.
    virtual TypedBoxes typedBoxes() const = 0;
    virtual void run(Command command, Run how) = 0;

protected:
    ~LineDoor() = default;
};
