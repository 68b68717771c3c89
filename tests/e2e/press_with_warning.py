#!/usr/bin/env python3
"""Presses "Draw Both Lines" through its accessibility action, as a screen
reader does, dozens of times with line two typed as a single point, so that
every run stops with a warning. Each time it checks from outside that

- the command ran: line one's slope field shows the slope just typed;
- its warning box appeared, as a new top-level window on the X server and
  on the accessibility bus as an alert that is activated and gives the focus
  to its OK button (what a reader announces), with the warning as its text;
- the box stays open until it is dismissed;
- it goes when dismissed, by its OK button's action or by the Return key,
  after which the next press follows at once or after a pause of up to
  half a second.

Then two cases where presses and boxes do not pair one to one: two presses
within a button's 100 ms press animation are one click (one run, one box);
a press while a box is open runs the command behind it, since actions are
not blocked by a modal box as the pointer is, and its own box opens on top.

The press action does not click at once: the button is shown pressed and
clicked 100 ms later, and the action's reply does not wait for that. The
command, and so its box, comes about 100 ms after the press returns.

`--dismiss=sendevent` dismisses with `xdotool key --window BOX Return`
instead and only reports what it sees. That is how a driver loses boxes:
xdotool types a key through the server (XTEST) when the given window has
the focus, else sends the event to the window. The box closes on the key
press and is destroyed; for the key release the window has lost the focus,
so xdotool sends it to the gone window, gets BadWindow and exits with the
key still held down. The server then repeats Return about 25 times a second
to whatever has the focus: every later box, from an action or from the
pointer, is closed within one repeat, after its command has run. A keyboard
always sends the release, so a reader's user never meets this.

Prints "ok: ..." per check; exits 1 on any failure."""

import argparse
import re
import subprocess
import sys
import threading
import time

sys.dont_write_bytecode = True  # no cache folder left in the source tree
from read_accessibility_tree import (  # noqa: E402
    Atspi, action_index, by_name, children, fail, ok, open_window, outcome, pump, safe, text_of,
    wait_for, walk)

# Line two as one point: it defines no line, so the command stops with a
# warning once line one's slope and intercept are written.
LINE_2 = [("Line 2, X1", "3"), ("Line 2, Y1", "7"), ("Line 2, X2", "3"), ("Line 2, Y2", "7")]
# Line one from (0, 0) to (1, j) has slope j: a new slope shows that a run
# read the end point just typed.
LINE_1 = [("Line 1, X1", "0"), ("Line 1, Y1", "0"), ("Line 1, X2", "1")]
# Pauses after a dismissal, around the 100 ms press animation.
PAUSES = [0.0, 0.01, 0.05, 0.09, 0.11, 0.2, 0.5]
HOLD = 0.3  # a box must still be open this long after it appeared


class XWatch:
    """Top-level windows mapped and unmapped on the X server, with the times
    xev reports them for the root window."""

    def __init__(self):
        self.mapped = {}  # window id -> time mapped
        self.unmapped = {}  # window id -> time unmapped
        self.lock = threading.Lock()
        self.proc = subprocess.Popen(["xev", "-root", "-event", "substructure"],
                                     stdout=subprocess.PIPE, text=True, bufsize=1)
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        kind = None
        for line in self.proc.stdout:
            if line[:1].isalpha():
                kind = line.split(" ", 1)[0]
                continue
            found = re.search(r"window (0x[0-9a-f]+), (override|from_configure)", line)
            if found and kind in ("MapNotify", "UnmapNotify"):
                with self.lock:
                    table = self.mapped if kind == "MapNotify" else self.unmapped
                    table.setdefault(found.group(1), time.monotonic())
            kind = None

    def since(self, start):
        """Windows mapped after `start`: id -> (time mapped, time unmapped or None)."""
        with self.lock:
            return {w: (t, self.unmapped.get(w)) for w, t in self.mapped.items() if t >= start}

    def stop(self):
        self.proc.terminate()
        self.proc.wait()


class Heard:
    """What a reader hears: alerts activated, focus moves, texts written."""

    def __init__(self):
        self.alerts = []  # time
        self.focused = []  # (time, role, name)
        self.written = []  # (time, name)
        self.listener = Atspi.EventListener.new(self._heard)
        for kind in ["window:activate", "object:state-changed:focused",
                     "object:text-changed:insert"]:
            self.listener.register(kind)

    def _heard(self, event):
        role = safe(event.source.get_role_name, "")
        name = safe(event.source.get_name, "")
        if event.type.startswith("window:activate"):
            if role == "alert":
                self.alerts.append(time.monotonic())
        elif event.type.startswith("object:text-changed"):
            self.written.append((time.monotonic(), name))
        elif event.detail1 == 1:
            self.focused.append((time.monotonic(), role, name))


def open_alerts(app):
    """The program's alerts that are showing, asked afresh."""
    app.clear_cache()
    return [w for w in children(app) if safe(w.get_role_name, "") == "alert"
            and safe(lambda w=w: w.get_state_set().contains(Atspi.StateType.SHOWING), False)]


def alert_parts(alert):
    """The alert's words (its labels) and its buttons."""
    nodes = []
    walk(alert, nodes)
    words = [safe(n.get_name, "") for n in nodes if safe(n.get_role_name, "") == "label"]
    buttons = [n for n in nodes if safe(n.get_role_name, "") == "push button"]
    return " ".join(w for w in words if w), buttons


class Presser:
    def __init__(self, app, nodes):
        self.app = app
        self.button = by_name(nodes, "Draw Both Lines", "push button")
        self.press_index = action_index(self.button, "press")
        self.slope = by_name(nodes, "Slope of line 1", "text")
        self.y2 = by_name(nodes, "Line 1, Y2", "text")
        self.x = XWatch()
        self.heard = Heard()
        self.slope_value = 0
        self.warnings = set()

    def type_slope(self):
        self.slope_value += 1
        Atspi.EditableText.set_text_contents(self.y2, str(self.slope_value))
        wait_for(lambda: text_of(self.y2) == str(self.slope_value), 5)
        return str(self.slope_value)

    def press(self):
        start = time.monotonic()
        taken = Atspi.Action.do_action(self.button, self.press_index)
        return taken, time.monotonic() - start

    def alerts_since(self, start):
        return [t for t in self.heard.alerts if t >= start]

    def dismiss(self, how, window=None):
        """Dismisses the top box; returns what xdotool said, if asked."""
        if how == "action":
            alerts = open_alerts(self.app)
            if alerts:
                _, buttons = alert_parts(alerts[-1])
                if buttons:
                    Atspi.Action.do_action(buttons[0], action_index(buttons[0], "press"))
        elif how == "key":
            # As a keyboard types: to whichever window has the focus.
            subprocess.run(["xdotool", "key", "Return"], check=False)
        else:
            sent = subprocess.run(["xdotool", "key", "--window", str(int(window or "0", 16)),
                                   "Return"], check=False, capture_output=True, text=True)
            said = sent.stderr.splitlines()[0] if sent.stderr else ""
            return f" (xdotool exit {sent.returncode}{': ' + said if said else ''})"
        return ""

    def all_closed(self, start):
        return (all(gone for _, gone in self.x.since(start).values())
                and not open_alerts(self.app))

    def close_everything(self, start):
        for _ in range(10):
            if self.all_closed(start):
                return True
            self.dismiss("action")
            pump(0.3)
        return self.all_closed(start)

    def round(self, number, pause, how):
        """One press; returns a one-line account and whether all was as it should."""
        slope = self.type_slope()
        start = time.monotonic()
        taken, took = self.press()
        ran = wait_for(lambda: text_of(self.slope) == slope, 5)
        wait_for(lambda: self.x.since(start) and self.alerts_since(start), 5)
        pump(HOLD)
        boxes = self.x.since(start)
        alerts = self.alerts_since(start)
        window, (mapped, unmapped) = next(iter(boxes.items()), (None, (None, None)))
        written = [t for t, name in self.heard.written if t >= start and name == "Slope of line 1"]
        focus = [name for t, role, name in self.heard.focused
                 if t >= start and role == "push button"]
        text = ""
        if open_alerts(self.app):
            text, _ = alert_parts(open_alerts(self.app)[-1])
            self.warnings.add(text)

        account = (f"press {number}: the action replied in {took * 1000:.0f} ms, "
                   f"the command {'ran' if ran else 'DID NOT RUN'}")
        if written:
            account += f" ({(written[0] - start) * 1000:.0f} ms after the press)"
        account += f", {len(boxes)} box(es) and {len(alerts)} alert(s) on the bus"
        if mapped:
            account += f", shown {(mapped - start) * 1000:.0f} ms after the press"
            account += (f" and CLOSED BY ITSELF {(unmapped - mapped) * 1000:.0f} ms later"
                        if unmapped else "")
        if "OK" not in focus:
            account += ", NO FOCUS ON ITS OK BUTTON"
        good = (taken and ran and len(boxes) == 1 and len(alerts) == 1 and unmapped is None
                and "OK" in focus and text != "")
        note = self.dismiss(how, window)
        closed = wait_for(lambda: self.all_closed(start), 5)
        account += f"; dismissed by {how}{note}" + ("" if closed else " BUT STILL OPEN")
        pump(pause)
        return account, good and closed

    def twice_within_the_animation(self):
        """Two presses 30 ms apart are one click: one run, one box."""
        self.type_slope()
        start = time.monotonic()
        self.press()
        pump(0.03)
        slope = self.type_slope()
        self.press()
        ran = wait_for(lambda: text_of(self.slope) == slope, 5)
        wait_for(lambda: self.alerts_since(start), 5)
        pump(0.5)
        boxes, alerts = self.x.since(start), self.alerts_since(start)
        open_boxes = [w for w, (_, gone) in boxes.items() if gone is None]
        if ran and len(boxes) == 1 and len(open_boxes) == 1 and len(alerts) == 1:
            ok("two presses 30 ms apart are one click: the command ran with the later input "
               "and showed one box")
        else:
            fail(f"two presses 30 ms apart: ran={ran}, boxes={boxes}, alerts={len(alerts)}")
        if not self.close_everything(start):
            fail("a box left open")

    def press_while_a_box_is_open(self):
        """A press while a box is open runs again; its own box opens on top."""
        self.type_slope()
        start = time.monotonic()
        self.press()
        wait_for(lambda: self.alerts_since(start), 5)
        slope = self.type_slope()
        self.press()
        ran = wait_for(lambda: text_of(self.slope) == slope, 5)
        wait_for(lambda: len(self.alerts_since(start)) == 2, 5)
        pump(HOLD)
        boxes, alerts = self.x.since(start), self.alerts_since(start)
        open_boxes = [w for w, (_, gone) in boxes.items() if gone is None]
        if ran and len(boxes) == 2 and len(open_boxes) == 2 and len(alerts) == 2:
            ok("a press while a box is open ran again and opened its own box on top")
        else:
            fail(f"a press while a box is open: ran={ran}, boxes={boxes}, alerts={len(alerts)}")
        if self.close_everything(start):
            ok("both boxes closed by their OK buttons")
        else:
            fail("boxes left open")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--dismiss", choices=["action-and-key", "sendevent"],
                        default="action-and-key")
    parser.add_argument("--rounds", type=int, default=36)
    options = parser.parse_args()

    Atspi.init()
    opened = open_window()
    if not opened:
        return 1
    app, _, nodes = opened
    for name, text in LINE_2 + LINE_1:
        node = by_name(nodes, name, "text")
        Atspi.EditableText.set_text_contents(node, text)
        wait_for(lambda n=node, t=text: text_of(n) == t, 5)

    presser = Presser(app, nodes)
    pump(0.5)  # xev watching, listeners registered
    lost = 0
    for number in range(1, options.rounds + 1):
        pause = PAUSES[number % len(PAUSES)]
        how = "sendevent" if options.dismiss == "sendevent" else ("action", "key")[number % 2]
        account, good = presser.round(number, pause, how)
        if options.dismiss == "sendevent":
            print(account, flush=True)
            lost += not good
        elif good:
            ok(account)
        else:
            fail(account)

    if options.dismiss == "sendevent":
        # No key left held down for whoever uses the server next.
        subprocess.run(["xdotool", "keyup", "Return"], check=False)
        print(f"{lost} of {options.rounds} presses without a box that stayed until dismissed")
        presser.x.stop()
        return 0

    if len(presser.warnings) == 1:
        ok(f"every box read the same warning: {presser.warnings.pop()!r}")
    else:
        fail(f"the boxes read {presser.warnings!r}")
    presser.twice_within_the_animation()
    presser.press_while_a_box_is_open()
    presser.x.stop()
    return outcome()


if __name__ == "__main__":
    sys.exit(main())
