#!/usr/bin/env python3
"""The Practice window through the accessibility bus, as a screen reader's
user meets it: F2 opens it; an answer checked with Enter carries the
description "wrong" or "right" as it is, and none once it is edited again;
the score speaks the first check.

Prints "ok: ..." per check; exits 1 on any failure."""

import re
import subprocess
import sys
from fractions import Fraction

sys.dont_write_bytecode = True  # no cache folder left in the source tree
from read_accessibility_tree import (  # noqa: E402
    Atspi, by_name, children, expect, fail, ok, open_window, outcome, safe, text_of, wait_for,
    walk)

PRACTICE = "Practice"
SLOPE = "Slope of line one"


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "30", *names], check=True)


def practice_window(app):
    for window in children(app):
        if safe(window.get_name, "") == PRACTICE:
            found = []
            walk(window, found)
            if by_name(found, SLOPE, "text") is not None:
                return found
    return None


def check_answer(nodes, field, typed):
    """Types the answer into the field and checks it with Enter; the
    field's description once the check has marked it."""
    Atspi.EditableText.set_text_contents(field, typed)
    wait_for(lambda: text_of(field) == typed, 5)
    Atspi.Component.grab_focus(field)
    key("Return")
    return wait_for(lambda: safe(field.get_description, "") or None, 5) or ""


def main():
    Atspi.init()
    opened = open_window()
    if not opened:
        return 1
    app, _, _ = opened
    found = subprocess.run(["xdotool", "search", "--name", "^Quarnby's Trellan$"],
                           capture_output=True, text=True, check=False).stdout.split()
    if not found:
        fail("the main window on the X server")
        return outcome()
    subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], check=False)
    key("F2")
    nodes = wait_for(lambda: practice_window(app), 10)
    if nodes is None:
        fail(f"F2 opened no window named {PRACTICE!r} with a field {SLOPE!r}")
        return outcome()
    ok(f"F2 opened the window {PRACTICE!r}")

    # The exercise is a label: its text is what a reader speaks.
    spoken = [safe(n.get_name, "") or "" for n in nodes]
    sentence = next((s for s in spoken if s.startswith("Line one passes through")), "")
    numbers = [int(n) for n in re.findall(r"-?\d+", sentence.replace("\u2212", "-"))]
    if len(numbers) != 8:
        fail(f"the exercise names eight coordinates: {sentence!r}")
        return outcome()
    x1, y1, x2, y2 = numbers[:4]
    slope = Fraction(y2 - y1, x2 - x1)
    field = by_name(nodes, SLOPE, "text")
    expect("a slope of 1000 is read as", check_answer(nodes, field, "1000"), "wrong")
    doubled = f"{2 * slope.numerator}/{2 * slope.denominator}"
    expect(f"the slope as {doubled} is read as", check_answer(nodes, field, doubled), "right")
    key("End", "0")
    wait_for(lambda: text_of(field) == doubled + "0", 5)
    expect("an answer edited since its check has no mark",
           (text_of(field), safe(field.get_description, None)), (doubled + "0", ""))
    score = [n for n in nodes if re.fullmatch(r"\d+ of \d+ right", safe(n.get_name, "") or "")]
    expect("the score counts the first check", [safe(n.get_name, "") for n in score],
           ["0 of 1 right"])
    return outcome()


if __name__ == "__main__":
    sys.exit(main())
