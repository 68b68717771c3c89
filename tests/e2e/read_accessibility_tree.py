#!/usr/bin/env python3
"""Reads the running program's accessibility tree from the accessibility bus,
as a screen reader does, and uses it: reads names and texts, types new end
points through EditableText, presses "Draw Both Lines" through its action and
reads the new answer. Prints "ok: ..." per check; exits 1 on any failure."""

import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# This libatspi offers the action's untranslated name only under its old,
# deprecated name.
warnings.filterwarnings("ignore", message="Atspi.Action.get_action_name is deprecated")

WINDOW = "Quarnby's Trellan"
# The check box that has each Draw Both Lines add its report, and its caption.
REPORT_SWITCH = "Place results into the textbox below"

# Input boxes: accessible name and the text the window starts with.
INPUTS = [
    ("Line 1, X1", "-6"), ("Line 1, Y1", "0"), ("Line 1, X2", "8"), ("Line 1, Y2", "7"),
    ("Line 2, X1", "-7"), ("Line 2, Y1", "-5"), ("Line 2, X2", "6"), ("Line 2, Y2", "8"),
    ("Lowest value of the range", "-10"), ("Highest value of the range", "10"),
    ("Pointer X", ""), ("Pointer Y", ""),
]

# Result boxes after both lines are drawn at start-up.
RESULTS = [
    ("Slope of line 1", "0.5"), ("Y-intercept of line 1", "3"),
    ("Equation of line 1", " Y = 0.5 X +  3"),
    ("X-axis crossing of line 1", "-6"), ("Y-axis crossing of line 1", "3"),
    ("Slope of line 2", "1"), ("Y-intercept of line 2", "2"),
    ("Equation of line 2", " Y = 1 X +  2"),
    ("X-axis crossing of line 2", "-2"), ("Y-axis crossing of line 2", "2"),
    ("Results", ""),
]

BUTTONS = ["Draw Both Lines", "Draw Line 1", "Draw Line 2", "Zoom In", "Zoom Out", "Quit"]

# Line one typed anew: y = 2x - 3 meets y = x + 2 at (5, 7).
NEW_LINE_1 = [("Line 1, X1", "0"), ("Line 1, Y1", "-3"), ("Line 1, X2", "1"), ("Line 1, Y2", "-1")]
AFTER_PRESS = [
    ("Slope of line 1", "2"), ("Y-intercept of line 1", "-3"),
    ("Equation of line 1", " Y = 2 X +  -3"), ("X-axis crossing of line 1", "1.5"),
    ("Slope of line 2", "1"), ("Y-intercept of line 2", "2"),
]
START_ANSWER = "(2,  4)"
NEW_ANSWER = "(5,  7)"

failures = []


def ok(message):
    print(f"ok: {message}", flush=True)


def fail(message):
    print(f"FAIL: {message}", flush=True)
    failures.append(message)


def expect(what, got, want):
    if got == want:
        ok(f"{what}: {got!r}")
    else:
        fail(f"{what}: got {got!r}, want {want!r}")


def pump(seconds=0.0):
    """Lets queued bus events through for the given time."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def wait_for(condition, seconds):
    """Polls the condition, letting events through, until true or timed out."""
    end = time.monotonic() + seconds
    while True:
        value = condition()
        if value or time.monotonic() >= end:
            return value
        pump(0.1)


def safe(call, default=None):
    try:
        return call()
    except GLib.Error:
        return default


def children(node):
    count = safe(node.get_child_count, 0)
    return [c for c in (safe(lambda i=i: node.get_child_at_index(i)) for i in range(count)) if c]


def find_window():
    """The program's main window among the desktop's applications."""
    desktop = Atspi.get_desktop(0)
    for app in children(desktop):
        for window in children(app):
            name = safe(window.get_name, "")
            if name == WINDOW or (safe(app.get_name, "").lower() == "trellan" and name):
                # The window is complete once its controls are on the bus.
                if len(children(window)) >= 40:
                    return app, window
    return None


def walk(node, found, depth=0):
    found.append(node)
    if depth < 6:
        for child in children(node):
            walk(child, found, depth + 1)


def open_window():
    """The application, its main window and every node below it, once the
    window is on the bus; None (said) when it never came."""
    found = wait_for(find_window, 10)
    if not found:
        names = [safe(a.get_name, "?") for a in children(Atspi.get_desktop(0))]
        fail(f"the program's window on the accessibility bus (applications: {names!r})")
        return None
    app, window = found
    nodes = []
    walk(window, nodes)
    return app, window, nodes


def outcome():
    """The exit status: 1 when any check failed, said with their count."""
    if failures:
        print(f"{len(failures)} check(s) failed", flush=True)
        return 1
    return 0


def has(node, interface):
    return interface in (safe(node.get_interfaces, []) or [])


def text_of(node):
    """What the Text interface reports: the text a reader speaks."""
    if not has(node, "Text"):
        return None
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def by_name(nodes, name, role=None):
    matches = [n for n in nodes if safe(n.get_name, "") == name
               and (role is None or safe(n.get_role_name, "") == role)]
    return matches[0] if len(matches) == 1 else None


def action_index(node, wanted):
    if not has(node, "Action"):
        return None
    names = [Atspi.Action.get_action_name(node, i).lower()
             for i in range(Atspi.Action.get_n_actions(node))]
    return names.index(wanted) if wanted in names else None


def check_start(nodes):
    for name, text in INPUTS:
        node = by_name(nodes, name, "text")
        if node is None:
            fail(f"one input box named {name!r}")
            continue
        expect(f"input {name!r} reads", text_of(node), text)
        if not has(node, "EditableText"):
            fail(f"input {name!r} takes no typing through EditableText")
    for name in BUTTONS:
        node = by_name(nodes, name, "push button")
        if node is None:
            fail(f"one push button named {name!r}")
        elif action_index(node, "press") is None:
            fail(f"button {name!r} has no press action")
        else:
            ok(f"button {name!r} can be pressed")
    for name, text in RESULTS:
        node = by_name(nodes, name, "text")
        if node is None:
            fail(f"one result box named {name!r}")
        else:
            expect(f"result {name!r} reads", text_of(node), text)
    box = by_name(nodes, REPORT_SWITCH, "check box")
    if box is None:
        fail(f"one check box named {REPORT_SWITCH!r}")
    else:
        checked = box.get_state_set().contains(Atspi.StateType.CHECKED)
        expect("the report check box starts unticked", checked, False)
    if by_name(nodes, "Graph") is None:
        fail("a node named 'Graph'")
    else:
        ok("the graph panel is named 'Graph'")


def answer_label(nodes, answer):
    """A label that speaks the answer, as its name or through Text."""
    for node in nodes:
        if safe(node.get_role_name, "") != "label":
            continue
        if safe(node.get_name, "") == answer or safe(lambda n=node: text_of(n)) == answer:
            return node
    return None


def press_both_lines(nodes):
    # A screen reader's user types new end points for line one...
    for name, text in NEW_LINE_1:
        node = by_name(nodes, name, "text")
        if node is None or not has(node, "EditableText"):
            fail(f"{name!r} cannot be typed into")
            return
        Atspi.EditableText.set_text_contents(node, text)
        wait_for(lambda n=node, t=text: text_of(n) == t, 5)
        expect(f"typed into {name!r}", text_of(node), text)

    # ...then presses the button through its action, as a reader does.
    names_heard = []

    def heard(event):
        names_heard.append(safe(event.source.get_name, ""))

    listener = Atspi.EventListener.new(heard)
    listener.register("object:property-change:accessible-name")
    button = by_name(nodes, "Draw Both Lines", "push button")
    index = action_index(button, "press") if button else None
    if index is None or not Atspi.Action.do_action(button, index):
        fail("the press action of 'Draw Both Lines' was refused")
        return
    ok("pressed 'Draw Both Lines' through its action")

    slope = by_name(nodes, "Slope of line 1", "text")
    wait_for(lambda: text_of(slope) == "2", 5)
    for name, text in AFTER_PRESS:
        expect(f"after the press, {name!r} reads", text_of(by_name(nodes, name, "text")), text)
    label = wait_for(lambda: answer_label(nodes, NEW_ANSWER), 5)
    if label is None:
        # Asked afresh, without what the reader remembers from events.
        for node in nodes:
            node.clear_cache()
        stale = answer_label(nodes, NEW_ANSWER)
        fail(f"no label speaks {NEW_ANSWER!r} after the press"
             + (" until asked afresh: no name-change event" if stale else ""))
    else:
        ok(f"a label speaks the new answer {NEW_ANSWER!r}")
    wait_for(lambda: NEW_ANSWER in names_heard, 2)
    if NEW_ANSWER in names_heard:
        ok(f"the answer label announced its new name {NEW_ANSWER!r}")
    else:
        fail(f"no name-change event announced {NEW_ANSWER!r} (heard {names_heard!r})")
    listener.deregister("object:property-change:accessible-name")


def report_into_results(nodes):
    """Ticks the report box through its action and draws again: the report
    lands in the Results box, where a reader can read it."""
    box = by_name(nodes, REPORT_SWITCH, "check box")
    button = by_name(nodes, "Draw Both Lines", "push button")
    results = by_name(nodes, "Results", "text")
    toggle = action_index(box, "toggle") if box else None
    if toggle is None or button is None or results is None:
        fail("the report box, the button and the Results box, with a toggle action")
        return
    Atspi.Action.do_action(box, toggle)
    ticked = wait_for(lambda: box.get_state_set().contains(Atspi.StateType.CHECKED), 5)
    expect("the report box is ticked through its action", bool(ticked), True)
    Atspi.Action.do_action(button, action_index(button, "press"))
    report = wait_for(lambda: text_of(results), 5) or ""
    for quoted in [NEW_ANSWER, " Y = 2 X +  -3", " Y = 1 X +  2"]:
        if quoted in report:
            ok(f"the Results box reads a report quoting {quoted!r}")
        else:
            fail(f"the Results box does not quote {quoted!r}: {report!r}")


# --- the Exact values window --------------------------------------------------

EXACT_WINDOW = "Exact values"


def exact_values_window(app, nodes):
    """Opens the Exact values window through the link's press action and
    reads its text as a reader does; typing an end point changes it."""
    link = by_name(nodes, "Exact values", "push button")
    press = action_index(link, "press") if link else None
    if press is None or not Atspi.Action.do_action(link, press):
        fail("the 'Exact values' link cannot be pressed through its action")
        return
    ok("pressed the 'Exact values' link through its action")

    def window():
        for w in children(app):
            if safe(w.get_name, "") == EXACT_WINDOW:
                return w
        return None

    exact = wait_for(window, 5)
    if exact is None:
        fail(f"no window named {EXACT_WINDOW!r} after the press")
        return
    ok(f"a window named {EXACT_WINDOW!r} opened")

    def page():
        found = []
        walk(exact, found)
        texts = [n for n in found if safe(n.get_name, "") == EXACT_WINDOW and has(n, "Text")]
        return texts[0] if texts else None

    text = wait_for(page, 5)
    if text is None:
        fail("no text named 'Exact values' in the window")
        return
    # Line one was typed as y = 2x - 3 above; it meets y = x + 2 at (5, 7).
    read = wait_for(lambda: text_of(text) if "y = 2 x - 3" in (text_of(text) or "") else None, 5) or ""
    for words in ["Equation: y = 2 x - 3", "Slope: 2", "x-intercept: 3/2 (1 1/2) = 1.5", "(5, 7)",
                  "every answer the window gives is exact"]:
        if words in read:
            ok(f"the Exact values text reads {words!r}")
        else:
            fail(f"the Exact values text does not read {words!r}: {read!r}")

    # It follows the typing: line one through (0, -3) and (3, -2).
    end = by_name(nodes, "Line 1, X2", "text")
    Atspi.EditableText.set_text_contents(end, "3")
    Atspi.EditableText.set_text_contents(by_name(nodes, "Line 1, Y2", "text"), "-2")
    wanted = "1/3 = 0.(3)"
    read = wait_for(lambda: text_of(text) if wanted in (text_of(text) or "") else None, 5)
    if read:
        ok(f"typed end points show at once in the Exact values text: {wanted!r}")
    else:
        fail(f"the Exact values text did not follow the typing: {text_of(text)!r}")


def main():
    Atspi.init()
    opened = open_window()
    if not opened:
        return 1
    app, window, nodes = opened
    ok(f"application {safe(app.get_name, '')!r} is on the accessibility bus")
    expect("the window's name", window.get_name(), WINDOW)

    check_start(nodes)
    label = answer_label(nodes, START_ANSWER)
    if label is None:
        fail(f"no label speaks the start-up answer {START_ANSWER!r}")
    else:
        ok(f"a label speaks the start-up answer {START_ANSWER!r}")
    press_both_lines(nodes)
    report_into_results(nodes)
    exact_values_window(app, nodes)
    return outcome()


if __name__ == "__main__":
    sys.exit(main())
