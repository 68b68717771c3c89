#!/usr/bin/env python3
"""The keyboard and the small things a desktop user expects, typed on the X
server with xdotool and read back through the accessibility bus, as a
screen reader's user would meet them:

- Tab walks the designed order of accessible names, and never lands on a
  box the user cannot see (the slope and y-intercept boxes under the
  equation boxes);
- Enter in an end-point field draws both lines: the new slope is read back;
- a click on the caption "Place results into the textbox below" flips the
  check box's "checked" state;
- F1 opens the About window and Esc closes it.

Prints "ok: ..." per check; exits 1 on any failure."""

import subprocess
import sys

sys.dont_write_bytecode = True  # no cache folder left in the source tree
from read_accessibility_tree import (  # noqa: E402
    REPORT_SWITCH, Atspi, by_name, children, expect, fail, ok, open_window, outcome, pump, safe,
    text_of, wait_for)

ABOUT = "About Trellan"

# The Tab order by accessible names, once round from the graph.
TAB_ORDER = [
    "Graph", "Line 1, X1", "Line 1, Y1", "Draw Both Lines", "Line 1, X2", "Line 1, Y2",
    "Zoom Out", "Zoom In", "Lowest value of the range", "Highest value of the range",
    "Pointer Y", "Pointer X", "Line 2, X1", "Line 2, Y1", "Line 2, X2", "Line 2, Y2",
    "Draw Line 2", "Draw Line 1", "Equation of line 1", "Equation of line 2", "Quit", "Results",
    REPORT_SWITCH, "X-axis crossing of line 1", "X-axis crossing of line 2",
    "Y-axis crossing of line 1", "Y-axis crossing of line 2", "Exact values", "Practice",
    "Graph",
]
HIDDEN = ["Slope of line 1", "Slope of line 2", "Y-intercept of line 1", "Y-intercept of line 2"]


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "30", *names], check=True)


def focused(nodes):
    """The accessible names of the nodes that say they hold the focus. The
    Results box's nameless text area says so beside the box itself."""
    names = [safe(n.get_name, "") for n in nodes
             if safe(lambda n=n: n.get_state_set().contains(Atspi.StateType.FOCUSED), False)]
    return [name for name in names if name]


def focus_main_window():
    found = subprocess.run(["xdotool", "search", "--name", "^Quarnby's Trellan$"],
                           capture_output=True, text=True, check=False).stdout.split()
    if not found:
        fail("the main window on the X server")
        return False
    # No window manager here: the window is given the input focus directly.
    subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], check=False)
    return True


def tab_chain(nodes):
    graph = by_name(nodes, "Graph")
    if graph is None or not Atspi.Component.grab_focus(graph):
        fail("the graph takes the focus through its Component")
        return
    if not wait_for(lambda: focused(nodes) == ["Graph"], 5):
        fail(f"the graph holds the focus (focused: {focused(nodes)!r})")
        return
    reached = ["Graph"]
    for want in TAB_ORDER[1:]:
        key("Tab")
        got = wait_for(lambda w=want: focused(nodes) == [w] and [w], 3) or focused(nodes)
        reached.append(got[0] if len(got) == 1 else repr(got))
        if got != [want]:
            break
    expect("Tab walks the designed order", reached, TAB_ORDER)
    landed = [name for name in reached if name in HIDDEN]
    expect("no Tab stop on a covered box", landed, [])


def enter_draws_both_lines(nodes):
    field = by_name(nodes, "Line 1, X2", "text")
    slope = by_name(nodes, "Slope of line 1", "text")
    if field is None or slope is None:
        fail("the field 'Line 1, X2' and the box 'Slope of line 1'")
        return
    # Line one from (-6, 0) to (-4, 7) has slope 3.5.
    Atspi.EditableText.set_text_contents(field, "-4")
    wait_for(lambda: text_of(field) == "-4", 5)
    Atspi.Component.grab_focus(field)
    wait_for(lambda: focused(nodes) == ["Line 1, X2"], 5)
    key("Return")
    expect("Enter in 'Line 1, X2' drew both lines: line 1's slope",
           wait_for(lambda: text_of(slope) == "3.5" and "3.5", 5) or text_of(slope), "3.5")
    Atspi.EditableText.set_text_contents(field, "8")
    key("KP_Enter")
    expect("keypad Enter drew them again: line 1's slope",
           wait_for(lambda: text_of(slope) == "0.5" and "0.5", 5) or text_of(slope), "0.5")


def caption_click(nodes):
    box = by_name(nodes, REPORT_SWITCH, "check box")
    caption = by_name(nodes, REPORT_SWITCH, "label")
    if box is None or caption is None:
        fail(f"a check box and a label both named {REPORT_SWITCH!r}")
        return

    def checked():
        return box.get_state_set().contains(Atspi.StateType.CHECKED)

    extents = Atspi.Component.get_extents(caption, Atspi.CoordType.SCREEN)
    x, y = extents.x + extents.width // 3, extents.y + extents.height // 2
    for _ in range(2):
        before = checked()
        subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", "1"],
                       check=True)
        flipped = wait_for(lambda b=before: checked() != b, 5)
        expect(f"a click on the caption turns 'checked' from {before}", checked(), not before)
        if not flipped:
            return


def about_window(app):
    def about():
        for window in children(app):
            if safe(window.get_name, "") == ABOUT and safe(
                    lambda w=window: w.get_state_set().contains(Atspi.StateType.VISIBLE), False):
                return window
        return None

    if about() is not None:
        fail("the About window is closed before F1")
        return
    key("F1")
    if wait_for(about, 5) is None:
        fail(f"F1 opened no window named {ABOUT!r}")
        return
    ok(f"F1 opened the window {ABOUT!r}")
    pump(0.3)
    key("Escape")
    if wait_for(lambda: about() is None, 5):
        ok("Esc closed the About window")
    else:
        fail("the About window is still open after Esc")


def main():
    Atspi.init()
    opened = open_window()
    if not opened:
        return 1
    app, _, nodes = opened
    if focus_main_window():
        tab_chain(nodes)
        enter_draws_both_lines(nodes)
        caption_click(nodes)
        focus_main_window()
        about_window(app)
    return outcome()


if __name__ == "__main__":
    sys.exit(main())
