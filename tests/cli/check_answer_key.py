#!/usr/bin/env python3
"""The answer key, run as a teacher runs it and with no display at all.

    tests/cli/check_answer_key.py <program>

Checks the JSON Lines shape, CSV read and written with quotes, commas and a
header, every error case with its exit status, and that memory stays flat as
the rows grow. The window's own texts are compared with the key's by the Qt
test beside this script; here each answer is checked against what it means.
"""
import csv
import io
import json
import os
import random
import resource
import subprocess
import sys
import tempfile
from fractions import Fraction

PROGRAM = sys.argv[1]
HEADER = "X1,Y1,X2,Y2,X1,Y1,X2,Y2\n"
DEFAULT_ROW = "-6,0,8,7,-7,-5,6,8\n"
failures = []


def run(args, stdin=b""):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    env["QT_QPA_PLATFORM"] = ""
    if isinstance(stdin, str):
        stdin = stdin.encode()
    p = subprocess.run([PROGRAM, *args], input=stdin, capture_output=True, env=env)
    return p.returncode, p.stdout.decode("utf-8"), p.stderr.decode("utf-8")


def check(name, condition, detail=""):
    print(("ok: " if condition else "FAIL: ") + name + ("" if condition else f"\n  {detail}"))
    if not condition:
        failures.append(name)


def jsonl(text):
    return [json.loads(line) for line in text.splitlines()]


def fraction(text):
    return Fraction(text)


def typed_number(text):
    """The leading number of a typed text, as the window reads it; the rows
    here hold plain decimals."""
    return Fraction(text.replace(" ", "")) if text.strip() else Fraction(0)


# --- the JSON Lines shape -------------------------------------------------
status, out, err = run(["--answers", "--format", "jsonl"], HEADER + DEFAULT_ROW)
check("jsonl: status 0 and nothing on standard error", (status, err) == (0, ""), (status, err))
lines = out.splitlines()
check("jsonl: one line for the row, none for the header", len(lines) == 1, lines)
row = json.loads(lines[0])
window_keys = {"txt_slope1", "txt_yint1", "txt_eqn1", "txt_l1xint", "txt_l1yint", "txt_slope2",
               "txt_yint2", "txt_eqn2", "txt_l2xint", "txt_l2yint", "lblAns", "warning", "report"}
line_keys = {"kind", "slope", "y_intercept", "x_intercept", "equation"}
check("jsonl: the row's keys", set(row) == {"row", "typed", "window", "exact", "note"}, set(row))
check("jsonl: a row of plain numbers has no note", row["note"] is None, row["note"])
check("jsonl: the window's keys", set(row["window"]) == window_keys, set(row["window"]))
check("jsonl: the exact keys", set(row["exact"]) == {"line1", "line2", "crossing"})
for line in ("line1", "line2"):
    check(f"jsonl: {line}'s keys", set(row["exact"][line]) == line_keys, row["exact"][line])
check("jsonl: the crossing's keys", set(row["exact"]["crossing"]) == {"kind", "x", "y"})
check("jsonl: the row counts the header row", row["row"] == 2, row["row"])
check("jsonl: typed as given", row["typed"] == ["-6", "0", "8", "7", "-7", "-5", "6", "8"])
w = row["window"]
check("jsonl: the default lines' window texts",
      (w["txt_slope1"], w["txt_yint1"], w["txt_eqn1"], w["txt_eqn2"], w["lblAns"], w["warning"])
      == ("0.5", "3", " Y = 0.5 X +  3", " Y = 1 X +  2", "(2,  4)", None), w)
check("jsonl: the report as the core writes it, CR LF included",
      w["report"].startswith(" Intersection: (2,  4)\r\n P1 = ( -6 , 0 )") and w["report"].endswith("\r\n\n\r\n"),
      repr(w["report"]))
check("jsonl: the exact lines and crossing",
      row["exact"] == {"line1": {"kind": "line", "slope": "1/2", "y_intercept": "3", "x_intercept": "-6",
                                 "equation": "y = 1/2 x + 3"},
                       "line2": {"kind": "line", "slope": "1", "y_intercept": "2", "x_intercept": "-2",
                                 "equation": "y = x + 2"},
                       "crossing": {"kind": "point", "x": "2", "y": "4"}}, row["exact"])

# Lines of every kind: the exact answers mean what they say.
kinds = {
    "vertical and sloping": "3,0,3,7,1,1,2,2",
    "the y-axis itself": "0,-1,0,1,1,1,2,3",
    "the x-axis itself": "-1,0,1,0,1,1,2,3",
    "a single point": "1,1,1,1,0,0,1,1",
    "two verticals": "2,0,2,1,5,0,5,1",
    "the same line": "0,0,1,1,2,2,3,3",
    "too large": "1E+5000,0,1,1,0,0,1,1",
    "close slopes": "0,0,1,0.1,0,1,1,1.1000000000000001",
}
status, out, err = run(["--answers", "--format", "jsonl"], "\n".join(kinds.values()) + "\n")
got = dict(zip(kinds, jsonl(out)))
check("jsonl: every kind answered", status == 0 and len(got) == len(kinds), (status, err))
ex = {name: r["exact"] for name, r in got.items()}
check("vertical: no slope, x = 3, crossing on both lines",
      ex["vertical and sloping"]["line1"] == {"kind": "vertical", "slope": None, "y_intercept": "none",
                                              "x_intercept": "3", "equation": "x = 3"}
      and ex["vertical and sloping"]["crossing"] == {"kind": "point", "x": "3", "y": "3"})
check("the y-axis meets it all along", ex["the y-axis itself"]["line1"]["y_intercept"] == "all")
check("the x-axis meets it all along", ex["the x-axis itself"]["line1"]["x_intercept"] == "all")
check("a single point is no line", ex["a single point"]["line1"]["kind"] == "point"
      and ex["a single point"]["line1"]["equation"] is None and ex["a single point"]["crossing"]["kind"] == "none")
check("two verticals are parallel", ex["two verticals"]["crossing"] == {"kind": "parallel", "x": None, "y": None})
check("the same line", ex["the same line"]["crossing"]["kind"] == "same")
check("too large: its kind, null values, no crossing",
      ex["too large"]["line1"] == {"kind": "too_large", "slope": None, "y_intercept": None, "x_intercept": None,
                                   "equation": None} and ex["too large"]["crossing"]["kind"] == "none")
check("close slopes: the window and the exact values cross at one point",
      got["close slopes"]["window"]["lblAns"] == "(-1E+16,  -1E+15)"
      and ex["close slopes"]["crossing"] == {"kind": "point", "x": "-10000000000000000", "y": "-1000000000000000"})

# Random rows of decimals: the slope times the run is the rise, and the
# crossing lies on both lines, exactly.
rng = random.Random(12)
rows = []
for _ in range(300):
    rows.append([f"{rng.randint(-40, 40) / rng.choice((1, 4, 10, 100)):g}" for _ in range(8)])
    if rng.random() < 0.2:
        rows[-1][2] = rows[-1][0]  # vertical
    if rng.random() < 0.2:
        rows[-1][7] = rows[-1][5]  # horizontal
status, out, err = run(["--answers", "--format", "jsonl"], "".join(",".join(r) + "\n" for r in rows))
answers = jsonl(out)
check("random rows: all answered", status == 0 and len(answers) == len(rows), (status, err[:200]))
bad = []
for r, a in zip(rows, answers):
    p = [typed_number(t) for t in r]
    lines = []
    for k, line in ((0, a["exact"]["line1"]), (4, a["exact"]["line2"])):
        x1, y1, x2, y2 = p[k:k + 4]
        if line["kind"] == "line":
            m, b = fraction(line["slope"]), fraction(line["y_intercept"])
            if m * (x2 - x1) != y2 - y1 or m * x1 + b != y1:
                bad.append((r, line))
            lines.append(lambda x, y, m=m, b=b: y == m * x + b)
        elif line["kind"] == "vertical":
            lines.append(lambda x, y, c=fraction(line["x_intercept"]): x == c)
    c = a["exact"]["crossing"]
    if c["kind"] == "point" and not all(on(fraction(c["x"]), fraction(c["y"])) for on in lines):
        bad.append((r, c))
check("random rows: slopes, intercepts and crossings hold exactly", not bad, bad[:3])

# --- CSV: quotes, commas inside fields, a header row ---------------------
source = ('x1, y1 ,X2,Y2,X1,Y1,X2,Y2\r\n'
          '"1,5",0,"8",7,-7,-5,6,8\r\n'
          '"say ""2""", 1 ,3,4,"a\nb",0,1,1\r\n')
status, out, err = run(["--answers"], source)
records = list(csv.reader(io.StringIO(out, newline="")))
check("csv: status 0", (status, err) == (0, ""), (status, err))
check("csv: a header row, then one row per input row, the header skipped", len(records) == 3, records)
head = records[0]
check("csv: the header names", head[:3] == ["row", "line1_X1", "line1_Y1"] and head[9:21] == [
    "txt_slope1", "txt_yint1", "txt_eqn1", "txt_l1xint", "txt_l1yint", "txt_slope2", "txt_yint2",
    "txt_eqn2", "txt_l2xint", "txt_l2yint", "lblAns", "warning"] and head[-2:] == ["error", "note"], head)
check("csv: every row as wide as the header", all(len(r) == len(head) for r in records))
one, two = (dict(zip(head, r)) for r in records[1:])
check("csv: a comma inside a quoted field is kept, and read as the window reads it",
      one["line1_X1"] == "1,5" and one["exact_line1_slope"] == "1" and one["row"] == "2", one)
check("csv: doubled quotes, blanks and a line feed kept as typed",
      (two["line1_X1"], two["line1_Y1"], two["line2_X1"]) == ('say "2"', " 1 ", "a\nb"), two)
check("csv: the report keeps its CR LF", one["report"].startswith(" Intersection: ") and "\r\n" in one["report"])
check("csv: every line of every report ends in CR LF, as the records do",
      all(r[head.index("report")].replace("\r\n", "").count("\n") == 0
          and r[head.index("report")].replace("\r\n", "").count("\r") == 0
          for r in records[1:]),
      [r[head.index("report")] for r in records[1:]])
_, window_out, _ = run(["--answers", "--format", "jsonl"], source)
check("csv: the reports say what the window's do, line for line",
      [r[head.index("report")].split("\r\n") for r in records[1:]]
      == [r["window"]["report"].replace("\r\n", "\n").split("\n") for r in jsonl(window_out)])
check("csv: no warning and no error", one["warning"] == "" and one["error"] == "")

status, out, _ = run(["--answers", "--format", "csv"], "\ufeff" + HEADER + DEFAULT_ROW)
check("csv: a spreadsheet's byte order mark does not hide the header",
      status == 0 and len(list(csv.reader(io.StringIO(out, newline="")))) == 2, out[:200])

status, out, err = run(["--answers", "--headers", "words"], HEADER + DEFAULT_ROW)
words_head, words_row = list(csv.reader(io.StringIO(out, newline="")))
_, fields_out, _ = run(["--answers"], HEADER + DEFAULT_ROW)
check("--headers words: plain words, the rows as with field names",
      status == 0 and len(words_head) == len(head) and words_head[:3] == ["Row", "Line 1: X1", "Line 1: Y1"]
      and words_head[9:12] == ["Slope 1", "y-intercept 1", "Equation 1"]
      and words_head[19:22] == ["Crossing", "Warning", "Report"]
      and words_head[-2:] == ["Error", "Note"] and "Exact slope 1" in words_head
      and out.split("\r\n", 1)[1] == fields_out.split("\r\n", 1)[1], words_head)
status, out, err = run(["--answers", "--headers", "fields"], HEADER + DEFAULT_ROW)
check("--headers fields: the default", (status, out) == (0, fields_out), err)

# --- the range --------------------------------------------------------------
status, out, err = run(["--answers", "--format", "jsonl", "--range", "0", "0"], DEFAULT_ROW)
check("--range: an empty range warns as the window does",
      status == 0 and json.loads(out)["window"]["warning"].startswith("The range from 0 to 0 is empty"),
      (status, out[:300], err))
status, out, err = run(["--range", "-20", "-5", "--answers", "--format=jsonl"], DEFAULT_ROW)
check("--range: negative values, before --answers", status == 0 and json.loads(out)["window"]["warning"] is None,
      (status, err))

# --- the arithmetic -----------------------------------------------------------
for arithmetic, intercept in (([], "0"), (["--arithmetic", "designed"], "1.02140518265514E-14")):
    status, out, err = run(["--answers", "--format", "jsonl"] + arithmetic, "0,0,3,4,3,1,6,2\n")
    check("--arithmetic %s: the y-intercept of (0,0)-(3,4)" % (arithmetic or ["exact"])[-1],
          status == 0 and json.loads(out)["window"]["txt_yint1"] == intercept, (status, out[:300], err))
status, _, err = run(["--answers", "--arithmetic", "rough"], DEFAULT_ROW)
check("--arithmetic: an unknown name is refused", status == 2 and "Unknown arithmetic" in err, (status, err))

# --- files and standard input ------------------------------------------------
with tempfile.TemporaryDirectory() as d:
    path = os.path.join(d, "pupils.csv")
    with open(path, "w") as f:
        f.write(HEADER + DEFAULT_ROW)
    status, from_file, _ = run(["--answers", path])
    _, from_input, _ = run(["--answers"], HEADER + DEFAULT_ROW)
    _, from_dash, _ = run(["--answers", "-"], HEADER + DEFAULT_ROW)
    check("a file, standard input and '-' give the same key",
          status == 0 and from_file == from_input == from_dash, (status, from_file[:100]))

    # Unusable options and unreadable files: status 2, one line on standard error.
    missing = os.path.join(d, "missing.csv")
    unusable = [
        (["--answers", missing], f"cannot read '{missing}': No such file or directory"),
        (["--answers", d], f"cannot read '{d}': Is a directory"),
        (["--answers", "--format", "xml"], "Unknown format 'xml': use csv, jsonl or xlsx."),
        (["--answers", "--headers", "names"], "Unknown headers 'names': use fields or words."),
        (["--headers", "words"], "--headers is used only with --answers."),
        (["--separator", ";"], "--separator is used only with --answers."),
        (["--answers", "--format"], "Missing value after '--format'."),
        (["--answers", "--range", "5"], "--range takes two values"),
        (["--answers", "--range=5", "6"], "--range takes two values"),
        (["--answers", path, path], "Unexpected argument"),
        (["--format", "jsonl"], "--format is used only with --answers."),
        (["--range", "0", "1"], "--range is used only with --answers or --export."),
    ]
    for args, words in unusable:
        status, out, err = run(args, HEADER + DEFAULT_ROW)
        check(f"unusable: {' '.join(args[1:]) or args[0]}: status 2, said on standard error",
              status == 2 and err.startswith("trellan: ") and words in err and out == "",
              (status, err, out[:100]))

# --- bad rows: named on standard error and in their own row; the rest answered
bad_rows = {
    "too few fields": ("1,2,3,4,5,6,7\n", "row 1: 7 fields; each row needs 8"),
    "too many fields": ("1,2,3,4,5,6,7,8,9\n", "row 1: 9 fields; each row needs 8"),
    "a stray quote": ('1,2"x,3,4,5,6,7,8\n', "row 1: not valid CSV: a quote stands inside a field"),
    "text after a closing quote": ('"1"x,2,3,4,5,6,7,8\n', "row 1: not valid CSV"),
    "not UTF-8": (b"1,\xff,3,4,5,6,7,8\n", "row 1: field 2 is not UTF-8 text"),
    "longer than a window field": ("1," + "2" * 32768 + ",3,4,5,6,7,8\n",
                                   "row 1: field 2 is longer than the 32767 characters"),
    "no closing quote": ('1,2,3,4,5,6,7,"8\n', "row 1: not valid CSV: a quoted field has no closing quote"),
}
for name, (row_text, words) in bad_rows.items():
    data = (row_text if isinstance(row_text, bytes) else row_text.encode())
    after = b"" if name == "no closing quote" else DEFAULT_ROW.encode()
    for form in ("jsonl", "csv"):
        status, out, err = run(["--answers", "--format", form], data + after)
        if form == "jsonl":
            got = jsonl(out)
            first = got[0]
            in_row = first == {"row": 1, "error": first.get("error", "")} and first["error"].startswith(words)
            rest = [r["row"] for r in got[1:]] == ([] if not after else [2])
        else:
            recs = list(csv.reader(io.StringIO(out, newline="")))
            in_row = (len(recs[1]) == len(recs[0]) and recs[1][0] == "1" and recs[1][-2].startswith(words)
                      and all(f == "" for f in recs[1][1:-2] + recs[1][-1:]))
            rest = [r[0] for r in recs[2:]] == ([] if not after else ["2"])
        check(f"bad row, {name} ({form}): status 1, named on standard error and in its row, the next row answered",
              status == 1 and err.startswith("trellan: " + words) and err.count("\n") == 1 and in_row and rest,
              (status, err[:200], out[:300]))

status, out, err = run(["--answers", "--format", "jsonl"], DEFAULT_ROW + "1,2\n" + DEFAULT_ROW + "3\n" + DEFAULT_ROW)
check("several bad rows: each named, in order",
      status == 1 and err == ("trellan: row 2: 2 fields; each row needs 8: X1, Y1, X2, Y2 of line one, then of line two\n"
                              "trellan: row 4: 1 field; each row needs 8: X1, Y1, X2, Y2 of line one, then of line two\n")
      and [r["row"] for r in jsonl(out)] == [1, 2, 3, 4, 5], (status, err))
# --- any CSV a spreadsheet saves ------------------------------------------------
# The same exercise as a spreadsheet in each language saves it; every form
# gives the key of the comma file.
_, plain, _ = run(["--answers", "--format", "jsonl"], HEADER + DEFAULT_ROW)
for sep in (",", ";", "\t"):
    for bom in ("", "\ufeff"):
        for end in ("\n", "\r\n"):
            text = bom + HEADER.replace(",", sep).replace("\n", end) + DEFAULT_ROW.replace(",", sep).replace("\n", end)
            status, out, err = run(["--answers", "--format", "jsonl"], text)
            check(f"separator {sep!r}, {'a' if bom else 'no'} byte order mark, {end!r}: the comma file's key",
                  (status, out, err) == (0, plain, ""), (status, err, out[:200]))

SEMICOLON_ROW = '"0,5";-1,25;8;7;-7;-5;6;8\r\n'
status, out, err = run(["--answers", "--format", "jsonl"], HEADER.replace(",", ";") + SEMICOLON_ROW)
row = json.loads(out)
check("decimal commas in a semicolon file: quoted or not, read as points, the window given the point",
      status == 0 and row["typed"][:2] == ["0.5", "-1.25"] and row["exact"]["line1"]["slope"] == "11/10",
      (status, err, out[:300]))
status, out, err = run(["--answers", "--format", "jsonl"], SEMICOLON_ROW.replace(";", "\t"))
check("decimal commas in a tab file", status == 0 and json.loads(out)["typed"][:2] == ["0.5", "-1.25"], (status, out[:200]))

notes = {
    "an empty field": (",0,8,7,-7,-5,6,8\n", "line 1 X1 empty, read as 0"),
    "a fraction": ("-6,0,8,7,-7,-5,6,3/4\n", "line 2 Y2 '3/4' read as 3/4"),
    "a mixed number": ("-6,0,8,7,-7,-5,6,1 1/2\n", "line 2 Y2 '1 1/2' read as 3/2"),
    "a decimal comma": ("-6;0;8;7,5;-7;-5;6;8\n", "line 1 Y2 '7,5' read as 7.5 (decimal comma)"),
    "a decimal comma in a comma file": ('-6,0,8,"7,5",-7,-5,6,8\n', "line 1 Y2 '7,5' read as 7"),
    "text": ("-6,0,8,7,seven,-5,6,8\n", "line 2 X1 'seven' read as 0"),
    "two cells": ("-6,1/2,8,7,-7,-5,,8\n", "line 1 Y1 '1/2' read as 1/2; line 2 X2 empty, read as 0"),
    "plain numbers, blanks and an exponent": ("-6, 0 ,8,7E0,-7,-5,6,8\n", None),
}
for name, (text, note) in notes.items():
    status, out, err = run(["--answers", "--format", "jsonl"], text)
    got_json = json.loads(out).get("note")
    status_csv, out_csv, _ = run(["--answers"], text)
    recs = list(csv.reader(io.StringIO(out_csv, newline="")))
    check(f"note, {name}: {note!r} in JSON and in the CSV's last column",
          status == status_csv == 0 and got_json == note and recs[0][-1] == "note" and recs[1][-1] == (note or ""),
          (status, err, got_json, recs[1][-1:]))

# The designed arithmetic keeps the designed reading of every field.
status, out, err = run(["--answers", "--format", "jsonl", "--arithmetic", "designed"], "-6,0,8,7,-7,-5,6,1 1/2\n")
check("note, a mixed number in the designed arithmetic: read as 11",
      status == 0 and json.loads(out).get("note") == "line 2 Y2 '1 1/2' read as 11", (status, err, out[:300]))

HINT = "if the file uses another, name it: --separator ',', --separator ';' or --separator tab\n"
mismatched = {
    "a semicolon file read at commas": (["--separator", ","], HEADER.replace(",", ";") + DEFAULT_ROW.replace(",", ";"),
                                        "trellan: no row split into 8 fields at the separator ','; " + HINT),
    "a comma file read at tabs": (["--separator", "tab"], DEFAULT_ROW,
                                  "trellan: no row split into 8 fields at the separator tab; " + HINT),
    "seven fields at semicolons": ([], "1;2;3;4;5;6;7\n2;3;4;5;6;7;8\n",
                                   "trellan: no row split into 8 fields at the separator ';'; " + HINT),
}
for name, (args, text, hint) in mismatched.items():
    status, out, err = run(["--answers", "--format", "jsonl"] + args, text)
    check(f"mismatched file, {name}: every row failed, the separator named last",
          status == 1 and err.endswith(hint) and all("error" in r for r in jsonl(out)), (status, err))
status, out, err = run(["--answers", "--format", "jsonl"], "1;2;3\n-6;0;8;7,5;-7;-5;6;8\n")
check("a mistyped first row does not hide the semicolons",
      status == 1 and [r.get("typed", [None] * 4)[3] for r in jsonl(out)] == [None, "7.5"], (status, err, out[:200]))
status, out, err = run(["--answers", "--format", "jsonl", "--separator", ";"], "1,5;0;8;7;-7;-5;6;8\n")
check("--separator ';' on a row the guess would also read", status == 0 and json.loads(out)["typed"][0] == "1.5", (status, err))
status, _, err = run(["--answers", "--separator", "|"], DEFAULT_ROW)
check("--separator: an unknown one is refused", status == 2 and "Unknown separator '|': use ',', ';' or tab." in err, err)

# --- a row of two fields is two equations, answered through the end points
# the window chooses for them
status, out, err = run(["--answers", "--format", "jsonl"], "y = 2x + 3,2x + 3y = 6\n" + "-6,-9,3,9,-9,8,9,-4\n")
got = jsonl(out)
check("equation row: answered as the window answers the end points it chooses",
      status == 0 and err == "" and len(got) == 2
      and {k: v for k, v in got[0].items() if k != "row"} == {k: v for k, v in got[1].items() if k != "row"},
      (status, err, out[:400]))
# A mixed number is one number, never a product: y = 0.5x + 1 1/2 is the
# line through (-3, 0) and (1, 2).
status, out, err = run(["--answers", "--format", "jsonl"], "y = 0.5x + 1 1/2,y = 2 3x\n")
check("equation row with two numbers side by side: refused by its line",
      status == 1 and err.startswith("trellan: row 1: line 2: Two numbers stand side by side"), (status, err))
status, out, err = run(["--answers", "--format", "jsonl"], "y = 0.5x + 1 1/2,y = x\n-3,0,1,2,-7,-5,6,3\n")
got = jsonl(out)
check("equation row with a mixed number: the same line as its end points",
      status == 0 and got[0]["exact"]["line1"] == got[1]["exact"]["line1"], (status, err, out[:400]))
status, out, err = run(["--answers", "--format", "jsonl", "--range", "-5", "5"], "y = x^2,x = 1\ny = 2x + 30,x = 1\n")
check("equation rows that cannot be answered: the reason, with the line",
      status == 1 and err == ("trellan: row 1: line 1: x\u00b2 makes a curve, not a straight line\n"
                              "trellan: row 2: line 1: This line does not pass through the range shown, "
                              "-5 to 5: change the range, or type another line\n"), (status, err))
# One equation beside a plain number is still an equation row: the number is
# refused as an equation, by its line, not counted as two fields of eight.
for fields, line in ((("y = 2x + 1", "5"), 2), (("5", "y = 2x + 1"), 1)):
    status, out, err = run(["--answers", "--format", "jsonl"], DEFAULT_ROW + ",".join(fields) + "\n" + DEFAULT_ROW)
    got = jsonl(out)
    check(f"equation row with a plain number on line {line}: refused as an equation, the rows around it answered",
          status == 1 and err.startswith(f"trellan: row 2: line {line}: ")
          and 'an equation needs "="' in err.lower() and "field" not in err and err.count("\n") == 1
          and [r["row"] for r in got] == [1, 2, 3] and "error" in got[1] and "error" not in got[2],
          (status, err, out[:300]))
status, out, err = run(["--answers"], "")
check("no rows: the header alone, status 0", (status, err) == (0, "") and out.count("\r\n") == 1, (status, out, err))
status, out, err = run(["--answers", "--format", "jsonl"], DEFAULT_ROW + "1,1,1,1,2,2,3,3\n")
check("a row the window warns about is answered, not failed",
      status == 0 and jsonl(out)[1]["window"]["warning"].startswith("Line 1's two end points are the same point"),
      (status, err))


# --- the working -------------------------------------------------------------
IDS = [f"{step}{n}" for n in (1, 2) for step in ("slope", "yint", "equation", "xaxis", "yaxis")]
IDS += ["crossing", "relation"]
rng = random.Random(21)


def worksheet_number():
    return rng.choice([str(rng.randint(-9, 9)), f"{rng.randint(-90, 90) / 10:g}", "2"])


working_rows = ["-6,0,8,7,-7,-5,6,8", "3,1,3,5,1,2,4,2", "0,0,1,2,0,1,2,0", "0,0,1,2,2,4,3,6",
                "0,0,1,1,0,1,1,-1", "2,2,2,2,1,1,3,3", "0,0,1,2,1,1,3,5"]
working_rows += [",".join(worksheet_number() for _ in range(8)) for _ in range(300)]
working_input = HEADER + "\n".join(working_rows) + "\n4,5\n"


def perpendicular(typed):
    """Perpendicular by what it means: the directions' dot product is 0."""
    x1, y1, x2, y2, x3, y3, x4, y4 = map(typed_number, typed)
    if (x1, y1) == (x2, y2) or (x3, y3) == (x4, y4):
        return False
    return (x2 - x1) * (x4 - x3) + (y2 - y1) * (y4 - y3) == 0


def expected_results(row):
    """Each step's result in the forms the exact object already uses."""
    e = row["exact"]
    want = {}
    for n in (1, 2):
        line = e[f"line{n}"]
        if line["kind"] not in ("line", "vertical"):
            want.update({f"{s}{n}": None for s in ("slope", "yint", "equation", "xaxis", "yaxis")})
            continue
        want[f"slope{n}"] = "undefined" if line["kind"] == "vertical" else line["slope"]
        want[f"yint{n}"] = want[f"yaxis{n}"] = line["y_intercept"]
        want[f"xaxis{n}"] = line["x_intercept"]
        want[f"equation{n}"] = line["equation"]
    c = e["crossing"]
    if c["kind"] == "point":
        want["crossing"] = f"({c['x']}, {c['y']})"
        want["relation"] = "perpendicular" if perpendicular(row["typed"]) else "crossing"
    else:
        want["crossing"] = want["relation"] = None if c["kind"] == "none" else c["kind"]
    return want


def working_text(steps):
    return "\n".join(s["heading"] + "\n" + "".join(f"  {line}\n" for line in s["lines"])
                     for s in steps)


status, out, err = run(["--answers", "--format", "jsonl", "--working"], working_input)
rows = jsonl(out)
check("working jsonl: the bad row is named, the rest answered", status == 1 and len(rows) == len(
    working_rows) + 1 and "error" in rows[-1] and "working" not in rows[-1], (status, err))
answered = [r for r in rows if "error" not in r]
check("working jsonl: every step pinned, in order, with its four keys",
      all([s["id"] for s in r["working"]] == IDS and all(
          set(s) == {"id", "heading", "lines", "result"} and s["lines"]
          and all(isinstance(line, str) for line in s["lines"]) for s in r["working"])
          for r in answered))
wrong = [(r["typed"], s["id"], s["result"], expected_results(r)[s["id"]]) for r in answered
         for s in r["working"] if s["result"] != expected_results(r)[s["id"]]]
check("working jsonl: each result is the exact answer", not wrong, wrong[:3])
check("working jsonl: the relations seen include each kind",
      {r["working"][11]["result"] for r in answered} >= {"crossing", "perpendicular", "parallel", "same"})
first = answered[0]["working"][0]
check("working jsonl: the slope worked from the typed numbers", first["lines"] == [
    "m = (y2 - y1) / (x2 - x1)", "m = (7 - 0) / (8 - (-6))", "m = 7 / 14", "m = 1/2 = 0.5"], first)
status, out, _ = run(["--answers", "--format", "jsonl"], working_input)
check("jsonl: no working unless asked", all("working" not in r for r in jsonl(out)))

status, out, err = run(["--answers", "--working"], working_input)
records = list(csv.reader(io.StringIO(out, newline="")))
header = records[0]
w, e = header.index("working"), header.index("error")
check("working csv: a column working before error", w == e - 1, header[-3:])
check("working csv: every record as wide as the header", all(len(r) == len(header) for r in records))
check("working csv: the working as plain text, lines ended by LF, the same as in JSON Lines",
      [r[w] for r in records[1:-1]] == [working_text(r["working"]) for r in answered]
      and all("\r" not in r[w] and r[w].isascii() for r in records[1:]), records[1][w][:300])
check("working csv: the bad row's working is empty", records[-1][w] == "" and records[-1][e] != "",
      records[-1][-3:])
_, out, _ = run(["--answers"], working_input)
check("csv: no working column unless asked", "working" not in next(csv.reader(io.StringIO(out))))
status, _, err = run(["--working"])
check("--working alone is refused", status == 2 and "--working" in err, (status, err))
status, _, err = run(["--export", "picture.png", "--working"])
check("--working on a picture without pages is refused", status == 2 and ".pdf" in err, (status, err))


# --- memory stays flat as the rows grow --------------------------------------
def peak_kib(rows):
    with tempfile.NamedTemporaryFile("w", suffix=".csv", delete=False) as f:
        for k in range(rows):
            f.write(f"{k % 17 - 8},{k % 5},{k % 11},{k % 7 - 3},-7,-5,6,{k % 13}\n")
        name = f.name
    pid = os.fork()
    if pid == 0:
        fd = os.open(os.devnull, os.O_WRONLY)
        os.dup2(fd, 1)
        # Under AddressSanitizer freed memory is held back for a while, and
        # the call stack of every new way to allocate is kept for its reports;
        # both would count as the program's own. Let freed memory be reused at
        # once, and keep no stacks.
        env = dict(os.environ)
        env["ASAN_OPTIONS"] = (env.get("ASAN_OPTIONS", "")
                               + ":quarantine_size_mb=0:malloc_context_size=0")
        os.execve(PROGRAM, [PROGRAM, "--answers", name, "--format", "jsonl"], env)
    _, status, usage = os.wait4(pid, 0)
    os.unlink(name)
    return os.waitstatus_to_exitcode(status), usage.ru_maxrss


small_status, small = peak_kib(2_000)
large_status, large = peak_kib(60_000)
check("memory: thirty times the rows, the same peak within 4 MiB",
      small_status == large_status == 0 and large - small < 4096, (small, large))

if failures:
    print(f"{len(failures)} check(s) failed")
    sys.exit(1)
print("answer key as expected")
