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
# built its application object here would abort.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$program" "$@" >"$work/out" 2>"$work/err"
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
unknown option|--bogus|2||trellan: Unknown option 'bogus'.<hint>
unknown short options|-x -y|2||trellan: Unknown options: x, y.<hint>
unknown option beside help|--help --bogus|2||trellan: Unknown option 'bogus'.<hint>
stray argument|lines.csv|2||trellan: Unexpected argument 'lines.csv'.<hint>
Qt option without its value|-platform|2||trellan: Missing value after '-platform'.<hint>
EOF_CASES

# --help names each option with what it does.
run --help
for option in '-h, --help' '-v, --version'; do
    expect "help lists $option" "$(grep -c -- "^  $option  " <<<"$out")" 1
done

# The manual page documents every option --help lists, and --help lists
# every option the page documents. The page already describes the answer
# key and export options; each leaves this list when the program gains it.
documented_ahead=(--export --line1 --line2 --scale)
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
