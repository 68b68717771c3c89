#!/usr/bin/env python3
"""Worksheets, made as a teacher makes them, read back through the PDFs' text.

    tests/cli/check_worksheet.py <program>

Every exercise's end points are on the sheet; the key's answers are those
the answer key gives for the exercises' CSV; the same seed makes the same
sheet; a failure writes nothing.
"""
import csv
import json
import os
import re
import subprocess
import sys
import tempfile

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
