#!/usr/bin/env python3
"""The command line in each language: the language chosen, --help, a refusal
and a worksheet with its key read back through the PDFs' text.

    tests/cli/check_languages.py <program>

Words the pupil and the teacher read come in the language chosen; the
options, the numbers' decimal point and the seed stay as they are.
"""
import os
import re
import subprocess
import sys
import tempfile

PROGRAM = os.path.abspath(sys.argv[1])
failures = []

# What each language must say, a few words of each page.
LANGUAGES = {
    "de": {
        "header": "Steigung 1",
        "help": ["Aufruf: trellan [Optionen]", "Optionen:", "Diese Hilfe anzeigen und beenden.",
                 "Arbeitsblatt", "--language <code>"],
        "refusal": "trellan: --level erwartet 1, 2 oder 3.\nMehr Informationen mit 'trellan --help'.\n",
        "sheet": ["Geraden Name:", "Datum:", "Bestimme für jede Gerade die Steigung",
                  "y-Achsenabschnitt", "Gleichung", "Gerade 1", "Schnittpunkt",
                  "Trellan-Arbeitsblatt · Stufe 3 · Startwert 4 · Seite 1"],
        "key": ["Geraden: Lösungen", "Aufgabe 1"],
    },
    "fr": {
        "header": "Pente 1",
        "help": ["Usage\u00a0: trellan [options]", "Options\u00a0:", "Afficher cette aide et quitter.",
                 "fiche d’exercices", "--language <code>"],
        "refusal": "trellan: --level accepte 1, 2 ou 3.\n"
                   "Essayez «\u00a0trellan --help\u00a0» pour plus d’informations.\n",
        "sheet": ["Équations de droites Nom :", "Date :", "Déterminez la pente, l’ordonnée à l’origine",
                  "Ordonnée à l’origine", "Équation", "Droite 1", "Point d’intersection",
                  "Fiche d’exercices Trellan · niveau 3 · graine 4 · page 1"],
        "key": ["Équations de droites : corrigé", "Exercice 1"],
    },
    "es": {
        "header": "Pendiente 1",
        "help": ["Uso: trellan [opciones]", "Opciones:", "Mostrar esta ayuda y salir.",
                 "hoja de ejercicios", "--language <code>"],
        "refusal": "trellan: --level admite 1, 2 o 3.\nMás información con 'trellan --help'.\n",
        "sheet": ["Rectas Nombre:", "Fecha:", "Halla la pendiente, la ordenada en el origen",
                  "Ordenada en el origen", "Ecuación", "Recta 1", "Punto de corte",
                  "Hoja de ejercicios de Trellan · nivel 3 · semilla 4 · página 1"],
        "key": ["Rectas: solucionario", "Ejercicio 1"],
    },
    "en": {
        "header": "Slope 1",
        "help": ["Usage: trellan [options]", "Options:", "Show this help and exit.", "worksheet",
                 "--language <code>"],
        "refusal": "trellan: --level takes 1, 2 or 3.\nTry 'trellan --help' for more information.\n",
        "sheet": ["Straight lines Name:", "Date:", "Find each line's slope, y-intercept",
                  "y-intercept", "Equation", "Line 1", "Crossing",
                  "Trellan worksheet · level 3 · seed 4 · page 1"],
        "key": ["Straight lines: answers", "Exercise 1"],
    },
}

UNKNOWN = "trellan: unknown language 'xx': choose de, en, es or fr\n"


def run(args, cwd, desktop=None, given=None):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG")}
    env["LANG"] = "C.UTF-8"
    if desktop:
        env["LANGUAGE"] = desktop
    p = subprocess.run([PROGRAM, *args], capture_output=True, env=env, cwd=cwd, input=given)
    return p.returncode, p.stdout.decode(), p.stderr.decode()


def check(name, condition, detail=""):
    print(("ok: " if condition else "FAIL: ") + name + ("" if condition else f"\n  {detail}"))
    if not condition:
        failures.append(name)


def text_of(pdf):
    raw = subprocess.run(["pdftotext", "-raw", pdf, "-"], capture_output=True, check=True).stdout
    return " ".join(raw.decode().replace("\u2212", "-").split())


def words_outside(pdf):
    """Words whose box leaves the page's margins (a label longer in one
    language must wrap or move its line, not run off the sheet)."""
    html = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True,
                          check=True).stdout.decode()
    outside = []
    for page in re.finditer(r'<page width="([\d.]+)" height="([\d.]+)">(.*?)</page>', html, re.S):
        width, height = float(page.group(1)), float(page.group(2))
        for word in re.finditer(r'xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<',
                                page.group(3)):
            x0, y0, x1, y1 = map(float, word.groups()[:4])
            if x0 < 20 or x1 > width - 20 or y0 < 10 or y1 > height - 10:
                outside.append(word.group(5))
    return outside


with tempfile.TemporaryDirectory() as work:
    # An unknown language is refused before anything else is read, in each
    # form the parser takes, whatever else is wrong with the line.
    for name, args in [("--language xx", ["--language", "xx"]),
                       ("--language=xx", ["--language=xx"]),
                       ("-language xx", ["-language", "xx"]),
                       ("beside an unknown option", ["--bogus", "--language", "xx"]),
                       ("after a known one", ["--language", "de", "--language", "xx"])]:
        status, out, err = run(args, work)
        check(f"{name}: status 2, one line", (status, out, err) == (2, "", UNKNOWN),
              f"{status} {out!r} {err!r}")

    # The desktop's language, unless --language says otherwise; English
    # under a language the program does not speak.
    for name, desktop, args, want in [("desktop German", "de", [], "Aufruf:"),
                                      ("desktop French, --language es", "fr", ["--language", "es"], "Uso:"),
                                      ("desktop Italian", "it", [], "Usage:"),
                                      ("desktop German, --language en", "de_AT:de", ["--language=en"], "Usage:")]:
        status, out, _ = run([*args, "--help"], work, desktop)
        check(f"{name}: help starts '{want}'", status == 0 and out.startswith(want), out[:40])

    for code, said in LANGUAGES.items():
        status, out, err = run(["--language", code, "--help"], work)
        for words in said["help"]:
            check(f"{code}: --help says '{words}'", status == 0 and words in out, out[:200])

        status, _, err = run(["--language", code, "--worksheet", "s.pdf", "--level", "9"], work)
        check(f"{code}: a refusal in the language", (status, err) == (2, said["refusal"]), err)

        # The key's header in words speaks; the names scripts read do not.
        row = b"1,2,3,4,5,6,7,8\n"
        _, words, _ = run(["--language", code, "--answers", "--headers", "words"], work, given=row)
        _, fields, _ = run(["--language", code, "--answers"], work, given=row)
        check(f"{code}: the header in words says '{said['header']}'",
              f'"{said["header"]}"' in words.splitlines()[0], words[:200])
        check(f"{code}: the header's fields stay", fields.splitlines()[0].startswith('"row","line1_X1",') and "txt_slope1" in fields,
              fields[:200])

        sheet, key = f"sheet_{code}.pdf", f"key_{code}.pdf"
        status, _, err = run(["--language", code, "--worksheet", sheet, "--key", key, "--level", "3",
                              "--seed", "4", "--exercises", "2"], work)
        check(f"{code}: worksheet written", status == 0, err)
        if status != 0:
            continue
        sheet_text, key_text = text_of(os.path.join(work, sheet)), text_of(os.path.join(work, key))
        for words in said["sheet"]:
            check(f"{code}: the sheet says '{words}'", words in sheet_text, sheet_text[:300])
        for pdf in (sheet, key):
            outside = words_outside(os.path.join(work, pdf))
            check(f"{code}: every word of {pdf} inside the page", not outside, outside[:5])
        for words in said["key"]:
            check(f"{code}: the key says '{words}'", words in key_text, key_text[:300])
        # This key's answers hold decimals: each is written with a point.
        check(f"{code}: the key's decimals have a point",
              re.search(r"\d\.\d", key_text) and not re.search(r"\d,\d", key_text), key_text[:300])

if failures:
    print(f"{len(failures)} check(s) failed")
    sys.exit(1)
print("every language as expected")
