#!/usr/bin/env python3
"""Fails when a translation is not finished: a text marked in the sources
that a .ts file lacks, or holds without a finished translation, or one whose
translation drops or adds a number's place ("%1").

    check_translations.py LUPDATE BUILD_DIR TS_DIR [lupdate options...]

BUILD_DIR holds <part>_sources.txt for each part (translations/CMakeLists.txt);
lupdate runs on copies of TS_DIR's files, so the sources are never touched."""

import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACE = re.compile(r"%\d+")


def messages(path):
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def main():
    lupdate, build, ts_dir, *options = sys.argv[1:]
    build, ts_dir = pathlib.Path(build), pathlib.Path(ts_dir)
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        for listing in sorted(build.glob("*_sources.txt")):
            part = listing.name[: -len("_sources.txt")]
            sources = [line for line in listing.read_text().splitlines() if line]
            for ts in sorted(ts_dir.glob(f"{part}_*.ts")):
                copy = pathlib.Path(scratch) / ts.name
                shutil.copy(ts, copy)
                subprocess.run([lupdate, "-silent", *options, *sources, "-ts", str(copy)],
                               check=True)
                if copy.read_bytes() != ts.read_bytes():
                    before = {(c, m.findtext("source")) for c, m in messages(ts)}
                    after = {(c, m.findtext("source")) for c, m in messages(copy)}
                    for context, source in sorted(after - before):
                        faults.append(f"{ts.name}: missing [{context}] {source!r}")
                    for context, source in sorted(before - after):
                        faults.append(f"{ts.name}: no longer in the sources [{context}] {source!r}")
                    if before == after:
                        faults.append(f"{ts.name}: differs from what lupdate writes; "
                                      "build the target update_translations")
                for context, message in messages(ts):
                    source = message.findtext("source") or ""
                    translation = message.find("translation")
                    text = "" if translation is None else "".join(translation.itertext())
                    kind = None if translation is None else translation.get("type")
                    if kind in ("unfinished", "vanished", "obsolete") or not text.strip():
                        faults.append(f"{ts.name}: unfinished [{context}] {source!r}")
                    elif sorted(PLACE.findall(source)) != sorted(PLACE.findall(text)):
                        faults.append(f"{ts.name}: places differ [{context}] {source!r} -> {text!r}")
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} translation faults; after a change of texts build the target "
              "update_translations and translate what it marks unfinished")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
