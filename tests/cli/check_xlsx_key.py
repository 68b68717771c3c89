#!/usr/bin/env python3
"""The answer key as a workbook, read back as a spreadsheet reads it.

    tests/cli/check_xlsx_key.py <program>

Every cell of the sheet "Answers" but Row's numbers is a text cell equal to the same field of
the CSV key (a report's lines end in LF in a cell, CR LF in CSV); the header
is in plain words, bold and frozen; the report wraps; the sheet "About" says
how the key was made. -o writes every form; a workbook is not written to a
terminal.
"""
import csv
import io
import os
import pty
import subprocess
import sys
import tempfile

import openpyxl

PROGRAM = sys.argv[1]
failures = []

# Values a spreadsheet would turn into dates or numbers, a note, a row the
# window warns about and a row that cannot be answered.
SHEET = ("X1;Y1;X2;Y2;X1;Y1;X2;Y2\r\n"
         "0;0;3;4;3;1;6;2\r\n"
         "0,5;1/2;;7;-7;-5;6;8\r\n"
         "1;1;1;1;2;2;3;3\r\n"
         "1;2;3\r\n"
         "-6;0;8;7;-7;-5;6;8\r\n")


def run(args, stdin=b"", stdout=subprocess.PIPE):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    if isinstance(stdin, str):
        stdin = stdin.encode()
    p = subprocess.run([PROGRAM, *args], input=stdin, stdout=stdout, stderr=subprocess.PIPE, env=env)
    return p.returncode, p.stdout or b"", p.stderr.decode("utf-8")


def check(name, condition, detail=""):
    print(("ok: " if condition else "FAIL: ") + name + ("" if condition else f"\n  {detail}"))
    if not condition:
        failures.append(name)


with tempfile.TemporaryDirectory() as d:
    book_path = os.path.join(d, "key.xlsx")
    status, _, err = run(["--answers", "--format", "xlsx", "-o", book_path, "--range", "-20", "5"], SHEET)
    _, csv_out, _ = run(["--answers", "--headers", "words", "--range", "-20", "5"], SHEET)
    check("xlsx: written to -o, status 1 for the row that cannot be answered",
          status == 1 and err.startswith("trellan: row 5: 3 fields") and os.path.getsize(book_path) > 0, (status, err))

    book = openpyxl.load_workbook(book_path)
    check("xlsx: the sheets Answers and About", book.sheetnames == ["Answers", "About"], book.sheetnames)
    sheet = book["Answers"]
    rows = list(csv.reader(io.StringIO(csv_out.decode(), newline="")))
    cells = [list(r) for r in sheet.iter_rows()]
    check("xlsx: as many rows and columns as the CSV key",
          len(cells) == len(rows) and all(len(c) == len(rows[0]) for c in cells), (len(cells), len(rows)))
    mismatches = []
    for r, (csv_row, book_row) in enumerate(zip(rows, cells)):
        for field, cell in zip(csv_row, book_row):
            want = field.replace("\r\n", "\n")
            if want == "":
                if cell.value is not None:
                    mismatches.append((r, cell.coordinate, cell.value, field))
            elif r > 0 and cell.column == 1:
                # Row is a number cell, so that sorting by it puts 2 before 10.
                if cell.data_type != "n" or cell.value != int(want):
                    mismatches.append((r, cell.coordinate, cell.data_type, cell.value, field))
            elif cell.data_type != "s" or cell.value != want:
                mismatches.append((r, cell.coordinate, cell.data_type, cell.value, field))
    check("xlsx: Row a number cell, every other a text cell equal to the CSV key's field, "
          "empty where it is empty",
          not mismatches, mismatches[:5])
    head = [c.value for c in cells[0]]
    fraction_row = dict(zip(head, [c.value for c in cells[1]]))
    check("xlsx: fractions stay fractions, not dates",
          (fraction_row["Exact slope 1"], fraction_row["Exact slope 2"]) == ("4/3", "1/3"), fraction_row)
    noted = dict(zip(head, [c.value for c in cells[2]]))
    check("xlsx: the note on a row with cells that were not plain numbers",
          noted["Note"] == "line 1 X1 '0,5' read as 0.5 (decimal comma); line 1 Y1 '1/2' read as 1/2; "
                           "line 1 X2 empty, read as 0", noted["Note"])
    check("xlsx: the header bold and frozen below it",
          sheet.freeze_panes == "A2" and all(c.font.b for c in cells[0]), sheet.freeze_panes)
    report = head.index("Report")
    letter = cells[0][report].column_letter
    check("xlsx: the report wrapped, in a wide column; the answers are text when typed over",
          cells[1][report].alignment.wrap_text and sheet.column_dimensions[letter].width >= 60
          and cells[1][head.index("Slope 1")].number_format == "@",
          (cells[1][report].alignment.wrap_text, sheet.column_dimensions[letter].width))
    about = {r[0].value: r[1].value for r in book["About"].iter_rows()}
    _, version, _ = run(["--version"])
    check("xlsx: About gives the command line, the range and the version",
          about.get("Range") == "-20 to 5" and about.get("Version") == version.decode().strip()
          and about.get("Command line", "").endswith(f"--answers --format xlsx -o {book_path} --range -20 5"),
          about)

    # Standard output, when it is not a terminal, gets the same workbook.
    status, piped, _ = run(["--answers", "--format", "xlsx", "--range", "-20", "5"], SHEET)
    piped_path = os.path.join(d, "piped.xlsx")
    with open(piped_path, "wb") as f:
        f.write(piped)
    piped_cells = [[c.value for c in r] for r in openpyxl.load_workbook(piped_path)["Answers"].iter_rows()]
    check("xlsx: to standard output, the same cells", status == 1 and piped_cells == [[c.value for c in r] for r in cells])

    # -o for the text forms: the bytes standard output gets.
    for form in ("csv", "jsonl"):
        path = os.path.join(d, "key." + form)
        status, out, err = run(["--answers", "--format", form, "-o", path], SHEET)
        _, want, _ = run(["--answers", "--format", form], SHEET)
        with open(path, "rb") as f:
            written = f.read()
        check(f"-o with {form}: the file holds what standard output gets, nothing on it",
              status == 1 and out == b"" and written == want, (status, err))
    status, out, err = run(["--answers", "-o", d], SHEET)
    check("-o naming a folder: status 2, said", status == 2 and f"cannot write '{d}'" in err, (status, err))

    # Thousands of rows, a batch answered while the one before is written: each
    # in its place in both forms, the bad ones named in order.
    many = "".join(f"{k},1,2\n" if k % 700 == 0 else f"{k % 17 - 8},{k % 5},{k % 11},-7,-5,6,{k % 13},1\n"
                   for k in range(1, 2601))
    many_path = os.path.join(d, "many.xlsx")
    status, _, err = run(["--answers", "--format", "xlsx", "-o", many_path], many)
    _, csv_out, _ = run(["--answers", "--headers", "words"], many)
    many_rows = list(csv.reader(io.StringIO(csv_out.decode(), newline="")))
    many_cells = [[c.value for c in r] for r in openpyxl.load_workbook(many_path, read_only=True)["Answers"].iter_rows()]
    check("many rows: in order, the bad ones named in order, the workbook the CSV key",
          status == 1 and [r[0] for r in many_rows[1:]] == [str(k) for k in range(1, 2601)]
          and [line.split()[2] for line in err.splitlines()] == ["700:", "1400:", "2100:"]
          and many_cells == [[int(f) if k == 0 and n > 0 else f.replace("\r\n", "\n") or None
                              for k, f in enumerate(r)] for n, r in enumerate(many_rows)], err[:300])

    # A terminal gets a refusal, not the workbook's bytes.
    leader, follower = pty.openpty()
    status, _, err = run(["--answers", "--format", "xlsx"], SHEET, stdout=follower)
    os.close(follower)
    os.set_blocking(leader, False)
    try:
        shown = os.read(leader, 4096)
    except (BlockingIOError, OSError):
        shown = b""
    os.close(leader)
    check("xlsx to a terminal: refused with status 2, nothing shown",
          status == 2 and "a workbook is not text for a terminal" in err and shown == b"", (status, err, shown[:40]))

if failures:
    print(f"{len(failures)} check(s) failed")
    sys.exit(1)
print("workbook as expected")
