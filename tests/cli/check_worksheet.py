#!/usr/bin/env python3
"""Worksheets, made as a teacher makes them, read back through the PDFs' text.

    tests/cli/check_worksheet.py <program>

Every exercise's end points are on the sheet, on the page it belongs to,
with its instruction and a line for every answer; both axes of every grid
are numbered at both ends; every number the key gives as an answer is the
answer key's for the exercises' CSV; every page has its footer; the same
seed makes the same sheet; a failure writes nothing.
"""
import csv
import json
import os
import re
import subprocess
import sys
import tempfile
from collections import namedtuple

PROGRAM = os.path.abspath(sys.argv[1])
failures = []


def run(args, cwd):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    p = subprocess.run([PROGRAM, *args], capture_output=True, env=env, cwd=cwd)
    return p.returncode, p.stdout.decode(), p.stderr.decode()


def check(name, condition, detail=""):
    print(("ok: " if condition else "FAIL: ") + name + ("" if condition else f"\n  {detail}"))
    if not condition:
        failures.append(name)


def text_of(pdf):
    # One line of plain words: the printed minus is the CSV's hyphen.
    raw = subprocess.run(["pdftotext", "-raw", pdf, "-"], capture_output=True, check=True).stdout
    return " ".join(raw.decode().replace("\u2212", "-").split())


def page_count(pdf):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, check=True).stdout.decode()
    return int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))


def pages_of(pdf):
    """Each page's text, one line of plain words a page."""
    return [" ".join(subprocess.run(["pdftotext", "-raw", "-f", str(p), "-l", str(p), pdf, "-"],
                                    capture_output=True, check=True).stdout.decode()
                     .replace("\u2212", "-").split())
            for p in range(1, page_count(pdf) + 1)]


Word = namedtuple("Word", "text x0 y0 x1 y1")


def words_of(pdf, page):
    html = subprocess.run(["pdftotext", "-bbox", "-f", str(page), "-l", str(page), pdf, "-"],
                          capture_output=True, check=True).stdout.decode()
    return [Word(t.replace("\u2212", "-"), float(a), float(b), float(c), float(d)) for a, b, c, d, t
            in re.findall(r'<word xMin="(.*?)" yMin="(.*?)" xMax="(.*?)" yMax="(.*?)">(.*?)</word>',
                          html)]


def grid_ends(words):
    """For each grid of the page: whether -10 and 10 stand at the ends of its
    axes, wholly inside the grid. A number printed beyond the grid's edge is
    still text in the PDF, but cut off on the page."""
    numbers = [w for w in words if re.fullmatch(r"-?\d+", w.text)]
    zeros = sorted((w for w in numbers if w.text == "0"), key=lambda w: w.x0)
    grids = []
    for x0 in zeros:  # the x-axis's zero, and the y-axis's just right of it
        y0 = next((w for w in zeros if 0 < w.x0 - x0.x0 < 8 and abs(w.y0 - x0.y0) < 8), None)
        if y0 is None:
            continue
        row = [w for w in numbers if abs(w.y0 - x0.y0) < 0.5 and 0 < x0.x0 - w.x0 < 130]
        minus5 = [w for w in row if w.text == "-5"]
        if not row or not minus5:
            continue
        left = min(w.x0 for w in row)  # -10 is printed from the grid's left edge
        u = (minus5[0].x0 - left) / 5
        right, top, bottom = left + 20 * u, y0.y0 - 10 * u, y0.y0 + 10 * u
        inside = [w for w in numbers if w.x0 > left - 1 and w.x1 < right + 1 and w.y0 > top - 1
                  and w.y1 < bottom + 1]
        x_axis = [w for w in inside if abs(w.y0 - y0.y0) < 1.5 * u]
        y_axis = [w for w in inside if abs(w.x0 - y0.x0) < 2 * u]
        grids.append({
            "x -10": any(w.text == "-10" and w.x0 < left + u for w in x_axis),
            "x 10": any(w.text == "10" and w.x1 > right - u for w in x_axis),
            "y 10": any(w.text == "10" and w.y0 < top + u for w in y_axis),
            "y -10": any(w.text == "-10" and w.y1 > bottom - u for w in y_axis),
        })
    return grids


def orphans(pdf, pages):
    """The working's columns that end with a title or a step's heading, its
    first line gone on to the next column: headings stand at the column's
    left edge, their lines are indented."""
    columns = []
    for page in pages:
        words = words_of(pdf, page)
        footer = max(w.y0 for w in words)
        for side in (0, 1):
            lines = {}
            for w in words:
                if (w.x0 > 595 / 2) == side and w.y0 < footer - 1:
                    lines.setdefault(round(w.y0), []).append(w)
            if lines:
                left = min(w.x0 for line in lines.values() for w in line)
                last = lines[max(lines)]
                columns.append((page, side, min(w.x0 for w in last) - left < 3,
                                " ".join(w.text for w in last)))
    return [c for c in columns[:-1] if c[2]]  # the last column may end anyhow


INSTRUCTION = "Find each line's slope, y-intercept and equation, and where the lines cross."
ANSWER_LINES = "Line 1 Slope y-intercept Equation Line 2 Slope y-intercept Equation Crossing"


def said_answers(a):
    """What the key writes for one exercise, from the answer key's exact values."""
    def line(n, l):
        if l["slope"] is None:
            return f"Line {n}: {l['equation']}; its slope is undefined"
        return f"Line {n}: {l['equation']}; slope {l['slope']}, y-intercept {l['y_intercept']}"
    c = a["crossing"]
    said = {"point": f"They cross at ({c.get('x')}, {c.get('y')})",
            "parallel": "Parallel: they never cross",
            "same": "The same line: they meet everywhere"}[c["kind"]]
    return [line(1, a["line1"]), line(2, a["line2"]), said]


def value(text):
    n, _, d = text.partition("/")
    return float(n) / float(d or 1)


def check_pages(name, pdf, footer, sentences, per_page, working):
    """The sheet or the key, page by page: exercise n's sentence on its page
    only, the footer on every page, and the key's working after its pictures."""
    pages = pages_of(pdf)
    first = (len(sentences) + per_page - 1) // per_page
    check(f"{name}: {first} page(s) of exercises{' and then the working' if working else ''}",
          len(pages) == first if not working else first < len(pages), len(pages))
    for n, words in enumerate(sentences, 1):
        on = [p for p, text in enumerate(pages, 1) if words in text]
        check(f"{name}: exercise {n} on page {(n - 1) // per_page + 1}",
              on == [(n - 1) // per_page + 1], on)
    for p, text in enumerate(pages, 1):
        check(f"{name}: the footer on page {p}", f"{footer} · page {p}" in text, text[:200])
    return pages


with tempfile.TemporaryDirectory() as work:
    for level in (1, 2, 3):
        for seed in (3, 2026):
            name = f"level {level}, seed {seed}"
            status, _, err = run(["--worksheet", "s.pdf", "--key", "k.pdf", "--exercises-csv",
                                  "e.csv", "--level", str(level), "--seed", str(seed),
                                  "--exercises", "6"], work)
            check(f"{name}: status 0, nothing said", (status, err) == (0, ""), (status, err))
            with open(os.path.join(work, "e.csv"), newline="") as f:
                rows = list(csv.reader(f))[1:]
            check(f"{name}: six exercises in the CSV", len(rows) == 6, rows)
            sheet = text_of(os.path.join(work, "s.pdf"))
            for n, r in enumerate(rows, 1):
                words = (f"{n}. Line one passes through ({r[0]}, {r[1]}) and ({r[2]}, {r[3]}); "
                         f"line two through ({r[4]}, {r[5]}) and ({r[6]}, {r[7]}).")
                check(f"{name}: exercise {n} on the sheet", words in sheet, (words, sheet[:300]))
            check(f"{name}: the seed in the footer", f"level {level} · seed {seed}" in sheet)

            status, out, _ = run(["--answers", "e.csv", "--format", "jsonl"], work)
            answers = [json.loads(line)["exact"] for line in out.splitlines()]
            key = text_of(os.path.join(work, "k.pdf"))
            found = re.findall(r"Line 1: (.*?); .*?Line 2: (.*?); .*?"
                               r"(They cross at \(.*?\)|Parallel|The same line)", key)
            expected = []
            for a in answers:
                c = a["crossing"]
                said = {"point": f"They cross at ({c.get('x')}, {c.get('y')})",
                        "parallel": "Parallel", "same": "The same line"}[c["kind"]]
                expected.append((a["line1"]["equation"], a["line2"]["equation"], said))
            check(f"{name}: the key's answers are the answer key's", found == expected,
                  (found, expected))

            footer = f"Trellan worksheet · level {level} · seed {seed}"
            sentences = [f"{n}. Line one passes through ({r[0]}, {r[1]}) and ({r[2]}, {r[3]}); "
                         f"line two through ({r[4]}, {r[5]}) and ({r[6]}, {r[7]})."
                         for n, r in enumerate(rows, 1)]
            sheet_pages = check_pages(f"{name}: sheet", os.path.join(work, "s.pdf"), footer,
                                      sentences, 2, False)
            for n, words in enumerate(sentences, 1):
                text = "".join(t for t in sheet_pages if words in t)
                after = text[text.find(words):]
                after = after[:after.find(f"{n + 1}. Line one")] if n % 2 else after
                check(f"{name}: exercise {n}'s instruction and answer lines",
                      after.startswith(f"{words} {INSTRUCTION}") and ANSWER_LINES in after, after)
            key_pages = check_pages(f"{name}: key", os.path.join(work, "k.pdf"), footer,
                                    sentences, 4, True)
            working = " ".join(key_pages[(len(rows) + 3) // 4:])
            titles = [working.find(f"Exercise {n} ") for n in range(1, len(rows) + 1)]
            check(f"{name}: the working of every exercise, in order",
                  -1 not in titles and titles == sorted(titles), titles)

            # Every answer the key prints, exercise by exercise, against the
            # answer key's: the equations, slopes, y-intercepts and crossing,
            # and the crossing marked on the picture where it lies in the grid.
            key = " ".join(key_pages[:(len(rows) + 3) // 4])
            for n, a in enumerate(answers, 1):
                block = key[key.find(f"{n}. Line one"):]
                block = block[:block.find(f"{n + 1}. Line one")] if n < len(answers) else block
                given = re.findall(r"Line \d: [^;]*; (?:its slope is undefined|slope \S+, "
                                   r"y-intercept \S+)|They cross at \(.*?\)|Parallel: they never "
                                   r"cross|The same line: they meet everywhere", block)
                check(f"{name}: exercise {n}: every answer on the key is the answer key's",
                      given == said_answers(a), (given, said_answers(a)))
                c = a["crossing"]
                inside = c["kind"] == "point" and all(
                    -10 <= value(c[k]) <= 10 for k in ("x", "y"))
                mark = f"({c.get('x')}, {c.get('y')})"
                picture = block[:block.find("Line 1:")]
                check(f"{name}: exercise {n}: the crossing marked on the picture"
                      f"{'' if inside else ' only when in the grid'}",
                      (mark in picture) == inside, picture)

    # Eight exercises: four sheet pages; the key no longer gives each
    # exercise's working pages of its own. Every grid numbered at both ends.
    run(["--worksheet", "s.pdf", "--key", "k.pdf", "--level", "3", "--seed", "7"], work)
    check("eight exercises: four sheet pages", page_count(os.path.join(work, "s.pdf")) == 4)
    check("eight exercises: the key on at most 13 pages",
          page_count(os.path.join(work, "k.pdf")) <= 13, page_count(os.path.join(work, "k.pdf")))
    found = orphans(os.path.join(work, "k.pdf"), range(3, page_count(os.path.join(work, "k.pdf")) + 1))
    check("no column of the working ends with a heading", not found, found)
    for pdf, pictures in (("s.pdf", 4), ("k.pdf", 2)):
        for page in range(1, pictures + 1):
            grids = grid_ends(words_of(os.path.join(work, pdf), page))
            check(f"{pdf} page {page}: every grid numbered -10 and 10 at both axes' ends",
                  len(grids) == (2 if pdf == "s.pdf" else 4)
                  and all(all(ends.values()) for ends in grids), grids)

    status, _, _ = run(["--worksheet", "a.pdf", "--exercises-csv", "a.csv", "--seed", "5"], work)
    first = open(os.path.join(work, "a.csv")).read()
    run(["--worksheet", "b.pdf", "--exercises-csv", "b.csv", "--seed", "5"], work)
    check("the same seed makes the same exercises", first == open(os.path.join(work, "b.csv")).read())

    for args in (["--worksheet", "u.gif"], ["--worksheet", "u.pdf", "--level", "4"],
                 ["--worksheet", "u.pdf", "--exercises", "0"], ["--level", "2"],
                 ["--worksheet", "u.pdf", "--seed", "-1"], ["--practice", "--level", "0"],
                 ["--practice", "--seed", "x"], ["--practice", "--answers"],
                 ["--practice", "--worksheet", "u.pdf"], ["--practice", "--exercises", "3"],
                 ["--practice", "u.pdf"]):
        status, _, err = run(args, work)
        check(f"unusable: {' '.join(args)}: status 2, said, nothing written",
              status == 2 and err.count("\n") == 2 and not os.path.exists(os.path.join(work, "u.pdf")),
              (status, err))
    status, _, err = run(["--worksheet", "v.pdf", "--key", "no/such/folder/k.pdf"], work)
    check("a key that cannot be written: status 1, said, and no sheet either",
          status == 1 and err.startswith("trellan: cannot write") and not os.path.exists(
              os.path.join(work, "v.pdf")), (status, err))

if failures:
    print(f"{len(failures)} check(s) failed")
    sys.exit(1)
print("all worksheet checks passed")
