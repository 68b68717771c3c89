#!/usr/bin/env bash
# Times the real program from its start until its main window's first frame
# is on screen, on an X server of its own (Xvfb), beside a bare Qt window of
# the same size with as many controls and a painted picture of the graph's
# size in the graph's place (bench/bare_window.cpp). Both are built first,
# then started by turns, so both see the same machine; prints each one's
# median, the ratio of the two, and the program's median resident memory
# once it has settled.
#
#   bench/startup_time.sh [build dir] [runs] [language]
#                                    (default: build/release 25, English)
#
# With a language (de, fr or es) the program starts with --language and
# loads that translation before its first frame.
#
# bench/first_frame.cpp starts each program and watches it from outside: the
# time to the first frame is the time until the axes' light red shows in a
# band across the graph (the main window draws both lines, grid and ticks
# before it is shown, so its first frame is the whole picture). The time
# until the window was viewable is printed too.
set -euo pipefail

build=${1:-build/release}
runs=${2:-25}
language=${3:-}
program_title="Quarnby's Trellan"
program_options=()
if [[ -n $language ]]; then
    program_options=(--language "$language")
    # The window's title in that language (translations/windows_*.ts).
    case $language in
    de) program_title="Quarnbys Trellan" ;;
    fr | es) program_title="Trellan de Quarnby" ;;
    esac
fi
cmake --build "$build" --target trellan trellan_bare_window trellan_first_frame >/dev/null
program=$build/trellan
bare=$build/bench/trellan_bare_window
first_frame=$build/bench/trellan_first_frame
# Rows 80 to 119 of the graph's picture: the vertical axis crosses them in
# both windows.
band=16,80,509,40

app=
source "$(dirname "$0")/../tests/e2e/x_session.sh" # work, the X server, cleanup
start_x

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# start <name> <window title> <executable> [options]: one start; appends the
# times to $work/<name>.viewable and $work/<name>.painted and the resident
# memory to $work/<name>.rss.
start() {
    local name=$1 title=$2 viewable painted
    shift 2
    read -r app viewable painted < <("$first_frame" "$title" "$band" "$work/log" "$@") \
        || { echo "$name: no first frame" >&2; cat "$work/log" >&2; exit 1; }
    echo "$viewable" >>"$work/$name.viewable"
    echo "$painted" >>"$work/$name.painted"
    sleep 0.5 # settled: caches filled
    awk '/^VmRSS:/ { print $2 }' "/proc/$app/status" >>"$work/$name.rss"
    kill "$app"
    while kill -0 "$app" 2>/dev/null; do sleep 0.01; done
    app=
}

# By turns, each first every other round, so that neither always follows the
# other's exit.
for run in $(seq "$runs"); do
    if ((run % 2)); then
        start program "$program_title" "$program" "${program_options[@]}"
        start bare "Bare window" "$bare"
    else
        start bare "Bare window" "$bare"
        start program "$program_title" "$program" "${program_options[@]}"
    fi
done

for name in program bare; do
    echo "$name, start to first frame, ms (each run): $(paste -sd ' ' "$work/$name.painted")"
done
for name in program bare; do
    echo "$name, start to viewable window, median: $(median <"$work/$name.viewable") ms"
done
program_ms=$(median <"$work/program.painted")
bare_ms=$(median <"$work/bare.painted")
echo "start to first frame, median of $runs: program $program_ms ms, bare window $bare_ms ms"
awk -v p="$program_ms" -v b="$bare_ms" 'BEGIN { printf "ratio program / bare window: %.2fx\n", p / b }'
echo "program's resident memory after start-up, median: $(median <"$work/program.rss" | awk '{ printf "%.1f", $1 / 1024 }') MB"
