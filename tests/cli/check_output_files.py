#!/usr/bin/env python3
"""What the program writes, and what it refuses to write over.

    tests/cli/check_output_files.py <program>

An output that is an input or another output of the same command is refused
with status 2 and nothing written, however the two names reach the file; the
key's format follows -o's extension; a workbook or a binary file given as
input is said in a line; rows in error are said up to 20; and on a full file
system (a small tmpfs when one can be mounted, else a file size limit) a
command leaves nothing behind and ends with status 1.
"""
import csv
import hashlib
import json
import os
import random
import resource
import signal
import subprocess
import sys
import tempfile

PROGRAM = sys.argv[1]
ROWS = "X1,Y1,X2,Y2,X1,Y1,X2,Y2\n0,0,3,4,3,1,6,2\n-6,0,8,7,-7,-5,6,8\n"
failures = []


def run(args, cwd, stdin=b"", limit=None):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}

    def limited():
        # A write past the limit then fails with EFBIG instead of killing.
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
        resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))

    if isinstance(stdin, str):
        stdin = stdin.encode()
    kwargs = {"stdin": stdin} if hasattr(stdin, "fileno") else {"input": stdin}
    p = subprocess.run([PROGRAM, *args], cwd=cwd, capture_output=True, env=env,
                       preexec_fn=limited if limit else None, **kwargs)
    return p.returncode, p.stdout, p.stderr.decode("utf-8")


def check(name, condition, detail=""):
    print(("ok: " if condition else "FAIL: ") + name + ("" if condition else f"\n  {detail}"))
    if not condition:
        failures.append(name)


def snapshot(folder):
    """Every file under the folder with a digest of its bytes; links as links."""
    seen = {}
    for root, dirs, files in os.walk(folder):
        for name in files + dirs:
            path = os.path.join(root, name)
            if os.path.islink(path):
                seen[path] = "-> " + os.readlink(path)
            elif os.path.isfile(path):
                with open(path, "rb") as f:
                    seen[path] = hashlib.sha256(f.read()).hexdigest()
    return seen


# --- refusals: an output over an input or over another output --------------
with tempfile.TemporaryDirectory() as d:
    with open(os.path.join(d, "pupils.csv"), "w") as f:
        f.write(ROWS)
    with open(os.path.join(d, "old.pdf"), "w") as f:
        f.write("last week's sheet")
    os.symlink("pupils.csv", os.path.join(d, "link.csv"))
    os.mkdir(os.path.join(d, "sub"))
    pupils = os.path.join(d, "pupils.csv")

    # name | arguments | standard input | the options the line names
    refusals = [
        ("-o the input", ["--answers", "pupils.csv", "-o", "pupils.csv"], b"", ("--answers", "-o")),
        ("-o the input via ./", ["--answers", "pupils.csv", "-o", "./pupils.csv"], b"", ("--answers", "-o")),
        ("-o the input through a link", ["--answers", "pupils.csv", "-o", "link.csv"], b"", ("--answers", "-o")),
        ("the input through a link, -o the file", ["--answers", "link.csv", "-o", "pupils.csv"], b"",
         ("--answers", "-o")),
        ("-o the input by another folder's path", ["--answers", "pupils.csv", "-o", "sub/../pupils.csv"], b"",
         ("--answers", "-o")),
        ("-o the input by its full path", ["--answers", "pupils.csv", "-o", pupils], b"", ("--answers", "-o")),
        ("-o the file standard input reads", ["--answers", "-o", "pupils.csv"], "stdin", ("-o", "standard input")),
        ("the sheet and the key, new, via ./", ["--worksheet", "s.pdf", "--key", "./s.pdf"], b"",
         ("--worksheet", "--key")),
        ("the sheet and the key, existing, through another folder",
         ["--worksheet", "old.pdf", "--key", "sub/../old.pdf"], b"", ("--worksheet", "--key")),
        ("the exercises' CSV and the sheet, a folder apart",
         ["--worksheet", "sub/s.pdf", "--exercises-csv", f"{d}/sub/s.pdf"], b"",
         ("--worksheet", "--exercises-csv")),
    ]
    before = snapshot(d)
    for name, args, stdin, options in refusals:
        with open(pupils, "rb") as given:
            status, out, err = run(args, d, given if stdin == "stdin" else stdin)
        named = all(o in err for o in options)
        check(f"refused: {name}: status 2, one line naming both, nothing written",
              status == 2 and out == b"" and err.startswith("trellan: ") and err.count("\n") == 1
              and named and snapshot(d) == before, (status, err, set(snapshot(d).items()) ^ set(before.items())))
    status, _, err = run(["--answers", "pupils.csv", "-o", "./pupils.csv"], d)
    check("refused: the line's words",
          err == "trellan: --answers 'pupils.csv' and -o './pupils.csv' are the same file: one would "
                 "replace the other; give each its own name.\n", err)

    # Any other existing file is written over, as by any tool.
    with open(os.path.join(d, "other.csv"), "w") as f:
        f.write("an old key")
    os.chmod(os.path.join(d, "other.csv"), 0o640)
    status, _, err = run(["--answers", "pupils.csv", "-o", "other.csv"], d)
    with open(os.path.join(d, "other.csv"), newline="") as f:
        written = list(csv.reader(f))
    check("another existing file is written over, keeping its mode",
          status == 0 and written[0][0] == "row" and len(written) == 3
          and os.stat(os.path.join(d, "other.csv")).st_mode & 0o777 == 0o640, (status, err, written[:40]))
    status, _, err = run(["--answers", "pupils.csv", "-o", "link.csv"], d, b"")
    check("writing through a link to another file keeps the link",
          status == 2 and os.path.islink(os.path.join(d, "link.csv")), (status, err))

# --- the format follows -o's extension ----------------------------------------
def is_workbook(data):
    return data.startswith(b"PK\x03\x04")


def is_jsonl(data):
    try:
        return [json.loads(line)["row"] for line in data.decode().splitlines()] == [2, 3]
    except (ValueError, KeyError):
        return False


def is_csv(data):
    return data.startswith(b'"row",') or data.startswith(b"row,")


with tempfile.TemporaryDirectory() as d:
    with open(os.path.join(d, "pupils.csv"), "w") as f:
        f.write(ROWS)
    # name | the options after the input | the file | what it holds, None when refused
    formats = [
        ("-o key.xlsx writes a workbook", ["-o", "key.xlsx"], "key.xlsx", is_workbook),
        ("-o key.jsonl writes JSON Lines", ["-o", "key.jsonl"], "key.jsonl", is_jsonl),
        ("-o key.csv writes CSV", ["-o", "key.csv"], "key.csv", is_csv),
        ("the extension in capitals", ["-o", "KEY.JSONL"], "KEY.JSONL", is_jsonl),
        ("another extension keeps CSV", ["-o", "key.txt"], "key.txt", is_csv),
        ("--format for another extension", ["--format", "jsonl", "-o", "key.out"], "key.out", is_jsonl),
        ("--format agreeing with the extension", ["--format", "xlsx", "-o", "agreed.xlsx"], "agreed.xlsx",
         is_workbook),
        ("--format xlsx -o key.csv is refused", ["--format", "xlsx", "-o", "refused.csv"], "refused.csv", None),
        ("--format csv -o key.jsonl is refused", ["--format", "csv", "-o", "refused.jsonl"], "refused.jsonl", None),
    ]
    for name, args, file, holds in formats:
        status, out, err = run(["--answers", "pupils.csv", *args], d)
        path = os.path.join(d, file)
        if holds is None:
            check(f"format: {name}: status 2, nothing written",
                  status == 2 and not os.path.exists(path) and "--format" in err and file in err, (status, err))
        else:
            with open(path, "rb") as f:
                data = f.read()
            check(f"format: {name}", status == 0 and holds(data), (status, err, data[:40]))

    # Standard output named as a file, into a pipe: written as it comes.
    status, out, err = run(["--answers", "pupils.csv", "-o", "/dev/stdout"], d)
    check("-o /dev/stdout into a pipe: the key on the pipe", status == 0 and is_csv(out), (status, err))

    # --- the wrong kind of input --------------------------------------------------
    status, out, err = run(["--answers", "key.xlsx", "-o", "from-book.csv"], d)
    check("a workbook as input: status 2, its one line, nothing written",
          status == 2 and out == b"" and not os.path.exists(os.path.join(d, "from-book.csv"))
          and err == "trellan: key.xlsx is a workbook; save it as CSV (File \u203a Save As) and give that file\n",
          (status, err))
    with open(os.path.join(d, "key.xlsx"), "rb") as book:
        status, out, err = run(["--answers"], d, book)
    check("a workbook on standard input: status 2, said in a line",
          status == 2 and out == b"" and err.startswith("trellan: standard input is a workbook;")
          and err.count("\n") == 1, (status, err))
    with open(os.path.join(d, "picture.bin"), "wb") as f:
        f.write(bytes(range(256)) * 64)
    status, out, err = run(["--answers", "picture.bin"], d)
    check("a binary file as input: status 2, one or two lines, no key",
          status == 2 and out == b"" and 1 <= err.count("\n") <= 2 and "picture.bin" in err, (status, err))

    # Ten megabytes of junk text: 20 rows said, then how many more; every row
    # still in the key.
    rng = random.Random(31)
    letters = "abcdefghijklmnopqrstuvwxyz0123456789 .-"
    junk = []
    size = 0
    while size < 10 << 20:
        line = "".join(rng.choice(letters) for _ in range(rng.randint(20, 180))) + "\n"
        junk.append(line)
        size += len(line)
    with open(os.path.join(d, "junk.csv"), "w") as f:
        f.writelines(junk)
    status, _, err = run(["--answers", "junk.csv", "-o", "junk-key.csv"], d)
    lines = err.splitlines()
    with open(os.path.join(d, "junk-key.csv"), "rb") as f:
        key_rows = f.read().count(b"\r\n")
    check("10 MB of junk: status 1, 20 rows said, then one line for the rest",
          status == 1 and len(lines) <= 22
          and [line.split()[1:3] for line in lines[:20]] == [["row", f"{k}:"] for k in range(1, 21)]
          and lines[20] == f"trellan: \u2026 and {len(junk) - 20} more rows in error", lines[:3] + lines[19:])
    check("10 MB of junk: every row in the key", key_rows == len(junk) + 1, (key_rows, len(junk)))

# --- a full file system: nothing left behind, status 1 --------------------------
with tempfile.TemporaryDirectory() as d:
    full = os.path.join(d, "full")
    os.mkdir(full)
    with open(os.path.join(d, "many.csv"), "w") as f:
        f.write("X1,Y1,X2,Y2,X1,Y1,X2,Y2\n")
        for k in range(3000):
            f.write(f"{k % 17 - 8},{k % 5},{k % 11},-7,-5,6,{k % 13},1\n")
    mounted = os.geteuid() == 0 and subprocess.run(
        ["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", full], capture_output=True).returncode == 0
    # Without a small file system, a file size limit fails the writes alike.
    limit = None if mounted else 48 << 10
    why = "No space left on device" if mounted else "File too large"
    print("on " + ("a 64 KB tmpfs" if mounted else "a 48 KB file size limit"))
    try:
        with open(os.path.join(full, "s.pdf"), "w") as f:
            f.write("last week's sheet")
        # name | arguments | the files named in the line
        full_runs = [
            ("a sheet, its key and the exercises", ["--worksheet", "full/s.pdf", "--key", "full/k.pdf",
                                                    "--exercises-csv", "full/e.csv", "--seed", "3"],
             ["full/s.pdf", "full/k.pdf", "full/e.csv"]),
            ("a CSV key", ["--answers", "many.csv", "-o", "full/key.csv"], ["full/key.csv"]),
            ("a workbook key", ["--answers", "many.csv", "-o", "full/key.xlsx"], ["full/key.xlsx"]),
        ]
        before = snapshot(full)
        for name, args, files in full_runs:
            status, out, err = run(args, d, limit=limit)
            check(f"full: {name}: status 1, nothing left behind, one line naming each file",
                  status == 1 and snapshot(full) == before and err.count("\n") == 1 and why in err
                  and all(f"'{f}'" in err for f in files), (status, err, snapshot(full)))
        # The pictures, on a disk filled to its last byte.
        if mounted:
            filler = os.open(os.path.join(full, "filler"), os.O_WRONLY | os.O_CREAT)
            try:
                while os.write(filler, b"x" * 4096):
                    pass
            except OSError:
                pass
            os.close(filler)
        before = snapshot(full)
        for name, args in [("a picture as PNG", ["--export", "full/g.png", "--scale", "4"]),
                           ("a picture as PDF", ["--export", "full/g.pdf"]),
                           ("a picture with its working", ["--export", "full/w.pdf", "--working"])]:
            status, out, err = run(args, d, limit=limit and 4096)
            check(f"full: {name}: status 1, nothing left behind, said",
                  status == 1 and snapshot(full) == before and err.count("\n") == 1 and why in err,
                  (status, err, snapshot(full)))
    finally:
        if mounted:
            subprocess.run(["umount", full])

    status, _, err = run(["--answers", "many.csv", "-o", "/dev/full"], d)
    check("a device that fails every write: status 1, said, nothing made beside it",
          status == 1 and err == "trellan: cannot write '/dev/full': No space left on device\n"
          and not [n for n in os.listdir("/dev") if n.startswith(".full")], (status, err))

if failures:
    print(f"{len(failures)} check(s) failed")
    sys.exit(1)
print("outputs as expected")
