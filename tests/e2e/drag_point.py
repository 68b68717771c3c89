#!/usr/bin/env python3
"""An end point dragged with the real pointer on the X server, read back
through the accessibility bus as a screen reader's user would hear it:

- line one's end point (8, 7) is picked with the left button and moved to
  (3, 4): its two fields follow, and so do line one's slope and equation,
  without a report;
- letting go with the report switch ticked adds one report;
- a second drag, ended with Esc before the button is let go, puts the point
  back.

Prints "ok: ..." per check; exits 1 on any failure."""

import subprocess
import sys

sys.dont_write_bytecode = True  # no cache folder left in the source tree
from read_accessibility_tree import (  # noqa: E402
    REPORT_SWITCH, Atspi, by_name, expect, fail, open_window, outcome, pump, text_of, wait_for)

# The plotted range at start-up: the graph shows -10 .. 10 both ways.
LOW, HIGH = -10.0, 10.0
# The graph's sunken border, in pixels, around the drawing area.
BORDER = 2


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def pixel(graph, x, y):
    """The screen pixel of the user's point (x, y) on the graph."""
    box = Atspi.Component.get_extents(graph, Atspi.CoordType.SCREEN)
    width, height = box.width - 2 * BORDER, box.height - 2 * BORDER
    column = (x - LOW) / (HIGH - LOW) * width
    row = (-y - LOW) / (HIGH - LOW) * height  # the user's y grows upwards
    return round(box.x + BORDER + column), round(box.y + BORDER + row)


def press_and_move(graph, start, stops):
    # Not "--sync": the pointer may stand there already, and would never move.
    xdotool("mousemove", *map(str, pixel(graph, *start)))
    pump(0.3)
    xdotool("mousedown", "1")
    for stop in stops:
        # Several small moves on the way, as a hand makes them.
        xdotool("mousemove", "--sync", *map(str, pixel(graph, *stop)))
        pump(0.1)


def main():
    Atspi.init()
    opened = open_window()
    if not opened:
        return 1
    _, _, nodes = opened
    graph = by_name(nodes, "Graph")
    fields = {name: by_name(nodes, name, "text") for name in (
        "Line 1, X2", "Line 1, Y2", "Slope of line 1", "Equation of line 1")}
    switch = by_name(nodes, REPORT_SWITCH, "check box")
    results = by_name(nodes, "Results", "text") or by_name(nodes, "Results")
    if graph is None or None in fields.values() or switch is None or results is None:
        fail("the graph, line one's fields, the report switch and the results box")
        return outcome()

    def texts():
        return {name: text_of(node) for name, node in fields.items()}

    before = texts()
    expect("line one's second end point at start", (before["Line 1, X2"], before["Line 1, Y2"]),
           ("8", "7"))

    # Dragged from (8, 7) through (5, 5) to (3, 4) and let go there.
    press_and_move(graph, (8, 7), [(7, 6.2), (5, 5), (3, 4)])
    want = {"Line 1, X2": "3", "Line 1, Y2": "4", "Slope of line 1": "0.444444444444444",
            "Equation of line 1": " Y = 0.444444444444444 X +  2.66666666666667"}
    got = wait_for(lambda: texts() == want and texts(), 5) or texts()
    expect("during the drag the point's fields and line one's answers follow", got, want)
    expect("no report while the point moves", text_of(results), "")
    xdotool("mouseup", "1")
    pump(0.3)
    expect("after the drag the fields stay", texts(), want)

    # The report switch ticked, a drag adds one report when let go.
    if not Atspi.Action.do_action(switch, 0):
        fail("the report switch ticks through its action")
    wait_for(lambda: switch.get_state_set().contains(Atspi.StateType.CHECKED), 5)
    press_and_move(graph, (3, 4), [(4, 4), (4, 3)])
    xdotool("mouseup", "1")
    report = wait_for(lambda: text_of(results) or None, 5) or ""
    expect("one report when let go", report.count(" Intersection: "), 1)
    expect("the report tells the new end point", "P2 = ( 4 , 3 )" in report, True)

    # Esc before letting go puts the point back.
    press_and_move(graph, (4, 3), [(0, 0), (-2, -3)])
    moved = wait_for(lambda: texts()["Line 1, X2"] == "-2" and True, 5)
    expect("the third drag moved the point", bool(moved), True)
    xdotool("key", "Escape")
    xdotool("mouseup", "1")
    back = wait_for(lambda: (texts()["Line 1, X2"], texts()["Line 1, Y2"]) == ("4", "3")
                    and True, 5)
    expect("Esc put the point back", (texts()["Line 1, X2"], texts()["Line 1, Y2"]), ("4", "3"))
    if not back:
        return outcome()
    expect("Esc added no report", text_of(results).count(" Intersection: "), 1)
    return outcome()


if __name__ == "__main__":
    sys.exit(main())
