#!/usr/bin/env bash
# The command line, run with no display at all: what each option prints, on
# which stream, with which exit status; and the manual page documenting
# exactly the options --help lists.
#
#   tests/cli/check_command_line.sh <program> <version> <manual page>
set -uo pipefail

program=$1 version=$2 page=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
expect() { if [[ $2 == "$3" ]]; then echo "ok: $1"; else printf 'FAIL: %s:\n  got  %q\n  want %q\n' "$1" "$2" "$3"; failures=$((failures + 1)); fi; }

# No X server, no Wayland, and no platform to fall back on: a program that
# built its application object here would abort. No session either, as from
# a script run by cron.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR QT_QPA_PLATFORM= "$program" "$@" >"$work/out" 2>"$work/err"
    status=$?
    out=$(<"$work/out")
    err=$(<"$work/err")
}

hint="Try 'trellan --help' for more information."

# name | arguments | status | standard output | standard error
while IFS='|' read -r name arguments want_status want_out want_err; do
    read -ra args <<<"$arguments"
    run "${args[@]}"
    expect "$name: status" "$status" "$want_status"
    if [[ $want_out == '<help>' ]]; then
        expect "$name: usage line" "${out%%$'\n'*}" "Usage: trellan [options]"
    else
        expect "$name: output" "$out" "$want_out"
    fi
    expect "$name: error" "$err" "${want_err//<hint>/$'\n'$hint}"
done <<EOF_CASES
help|--help|0|<help>|
help, short|-h|0|<help>|
version|--version|0|Trellan $version|
version, short|-v|0|Trellan $version|
unknown option|--bogus|2||trellan: Unknown option '--bogus'.<hint>
unknown option with a value|--bogus=3|2||trellan: Unknown option '--bogus'.<hint>
unknown short options|-x -y|2||trellan: Unknown options: -x, -y.<hint>
unknown option beside help|--help --bogus|2||trellan: Unknown option '--bogus'.<hint>
stray argument|lines.csv|2||trellan: Unexpected argument 'lines.csv'.<hint>
Qt option without its value|-platform|2||trellan: Missing value after '-platform'.<hint>
EOF_CASES

# --export writes the picture with no display, in the format its extension
# names; a command that stops writes nothing and says why; unusable options
# are refused before anything is drawn.
magic() { head -c "$2" "$1" 2>/dev/null | tr -d '\0'; }
run --export "$work/graph.png"
expect "export png: status" "$status" 0
expect "export png: nothing on standard error" "$err" ""
expect "export png: a PNG" "$(magic "$work/graph.png" 4 | tail -c 3)" PNG
run --export "$work/graph.svg" --line1 -3 0 2 5 --range -5 5
expect "export svg, negative numbers as values: status" "$status" 0
expect "export svg: an SVG" "$(grep -c '<svg' "$work/graph.svg")" 1
run --export "$work/graph.pdf" --line2 0 3 3 0
expect "export pdf: status" "$status" 0
expect "export pdf: a PDF" "$(magic "$work/graph.pdf" 4)" %PDF
# --working puts the working below the picture, on as many A4 pages as it
# needs, as a pupil writes it.
if command -v pdftotext >/dev/null; then
    run --export "$work/working.pdf" --working --line2 0 1 1 -1
    expect "export with the working: status" "$status" 0
    expect "export with the working: A4" "$(pdfinfo "$work/working.pdf" | grep -c '595 x 842 pts')" 1
    pages=$(pdfinfo "$work/working.pdf" | awk '/^Pages:/ { print $2 }')
    expect "export with the working: more than the picture's page" "$((pages > 1))" 1
    working=$(pdftotext -layout "$work/working.pdf" - | sed 's/^ *//')
    for line in 'Line 1: the slope m, how steep it is' 'm = (7 − 0) / (8 − (−6))' \
        'x = −3 / (1/2)' 'Where the lines cross' 'y = (−2) · (−4/5) + 1 = 13/5' \
        'm₁ · m₂ = −1, so the lines are perpendicular'; do
        expect "export with the working: $line" "$(grep -cxF -- "$line" <<<"$working")" 1
    done
    # The steps run on to the last page in order.
    expect "export with the working: the relation last" \
        "$(pdftotext -f "$pages" -l "$pages" "$work/working.pdf" - | grep -c 'Parallel, perpendicular or neither')" 1
    run --export "$work/picture.pdf"
    expect "export without the working: one page" "$(pdfinfo "$work/picture.pdf" | awk '/^Pages:/ { print $2 }')" 1
fi
run --export "$work/stopped.png" --line1 1 1 1 1
expect "export that stops: status" "$status" 1
# The warning's words belong to the window's messages; here only that it is said.
expect "export that stops: the warning" "$(grep -c '^trellan: .' <<<"$err")" 1
expect "export that stops: nothing written" "$(ls "$work/stopped.png" 2>/dev/null)" ""
# A line given as its equation is drawn through the end points the window
# chooses for it: the same picture as those end points typed.
run --export "$work/equation.svg" --line1 "y = 2x + 3" --line2 "2x + 3y = 6"
expect "export an equation: status" "$status" 0
run --export "$work/points.svg" --line1 -6 -9 3 9 --line2 -9 8 9 -4
expect "export an equation: the picture of its end points" \
    "$(cmp -s "$work/equation.svg" "$work/points.svg" && echo same)" same
run --export "$work/curve.png" --line1 "y = x^2"
expect "export a curve: status" "$status" 1
expect "export a curve: the reason" "$err" \
    "trellan: cannot read the equation 'y = x^2': x² makes a curve, not a straight line"
expect "export a curve: nothing written" "$(ls "$work/curve.png" 2>/dev/null)" ""
run --export "$work/graph.gif"
expect "export with a bad extension: status" "$status" 2
expect "export with a bad extension: nothing written" "$(ls "$work/graph.gif" 2>/dev/null)" ""
run --export "$work/short.png" --line1 1 2 3
expect "export with too few values: status" "$status" 2
# The picture is the command line's alone, whatever the window was last set
# to show.
mkdir -p "$work/config/Trellan"
printf '[graph]\nendPointCoordinates=true\n' >"$work/config/Trellan/Trellan.conf"
export XDG_CONFIG_HOME="$work/config"
run --export "$work/labelled.svg"
unset XDG_CONFIG_HOME
expect "export with the window's labels on: status" "$status" 0
expect "export with the window's labels on: no labels" "$(grep -c '(-6, 0)' "$work/labelled.svg")" 0
run --export "$work/scaled.png" --scale 0
expect "export at scale 0: status" "$status" 2
run --line1 1 2 3 4
expect "--line1 without --export: status" "$status" 2

# --help names each option with what it does.
run --help
for option in '-h, --help' '-v, --version'; do
    expect "help lists $option" "$(grep -c -- "^  $option  " <<<"$out")" 1
done

# The manual page documents every option --help lists, and --help lists
# every option the page documents. The page already describes the answer
# key and export options; each leaves this list when the program gains it.
documented_ahead=()
long_options() { grep -oE -- '--[a-z0-9][a-z0-9-]*' | sort -u; }
long_options <<<"$out" >"$work/help_options"
sed 's/\\-/-/g' "$page" | long_options >"$work/page_options"
while read -r option; do
    expect "the manual page documents $option" "$(grep -cx -- "$option" "$work/page_options")" 1
done <"$work/help_options"
while read -r option; do
    listed=$(grep -cx -- "$option" "$work/help_options")
    if [[ " ${documented_ahead[*]} " == *" $option "* ]]; then
        expect "$option is documented ahead of the program (remove it from documented_ahead once --help lists it)" "$listed" 0
    else
        expect "--help lists $option, which the manual page documents" "$listed" 1
    fi
done <"$work/page_options"

if ((failures)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "command line as expected"
