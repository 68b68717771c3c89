#!/usr/bin/env bash
# Times the real program from its start until its main window's first frame
# is on screen, on an X server of its own (Xvfb), beside a bare Qt window of
# the same size with as many controls and a painted picture of the graph's
# size in the graph's place (bench/bare_window.cpp), and beside that bare
# window with its texts in the faces the main window shows (--faces). All are
# built first, then started by turns, so all see the same machine; prints
# each one's median, the program's ratio to each bare window, and the
# program's median resident memory once it has settled.
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
# until the window was viewable is printed too, and the processor time the
# program's threads had used by its first frame, which a busy machine
# changes far less than the time on the clock.
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
# times to $work/<name>.viewable and $work/<name>.painted, the processor time
# to $work/<name>.cpu and the resident memory to $work/<name>.rss.
start() {
    local name=$1 title=$2 viewable painted cpu
    shift 2
    read -r app viewable painted cpu < <("$first_frame" "$title" "$band" "$work/log" "$@") \
        || { echo "$name: no first frame" >&2; cat "$work/log" >&2; exit 1; }
    echo "$viewable" >>"$work/$name.viewable"
    echo "$painted" >>"$work/$name.painted"
    echo "$cpu" >>"$work/$name.cpu"
    sleep 0.5 # settled: caches filled
    awk '/^VmRSS:/ { print $2 }' "/proc/$app/status" >>"$work/$name.rss"
    kill "$app"
    while kill -0 "$app" 2>/dev/null; do sleep 0.01; done
    app=
}

# By turns, each first every third round, so that none always follows the
# same one's exit.
starts=(program bare faces)
for run in $(seq "$runs"); do
    for k in 0 1 2; do
        case ${starts[(run + k) % 3]} in
        program) start program "$program_title" "$program" "${program_options[@]}" ;;
        bare) start bare "Bare window" "$bare" ;;
        faces) start faces "Bare window with faces" "$bare" --faces ;;
        esac
    done
done

for name in program bare faces; do
    echo "$name, start to first frame, ms (each run): $(paste -sd ' ' "$work/$name.painted")"
done
for name in program bare faces; do
    echo "$name, start to viewable window, median: $(median <"$work/$name.viewable") ms;" \
        "processor time to the first frame, median: $(median <"$work/$name.cpu") ms"
done
program_ms=$(median <"$work/program.painted")
bare_ms=$(median <"$work/bare.painted")
faces_ms=$(median <"$work/faces.painted")
echo "start to first frame, median of $runs: program $program_ms ms, bare window $bare_ms ms," \
    "bare window with faces $faces_ms ms"
awk -v p="$program_ms" -v b="$bare_ms" 'BEGIN { printf "ratio program / bare window: %.2fx\n", p / b }'
awk -v p="$program_ms" -v f="$faces_ms" -v b="$bare_ms" \
    'BEGIN { printf "ratio program / bare window with faces: %.2fx (with faces / bare: %.2fx)\n", p / f, f / b }'
awk -v p="$(median <"$work/program.cpu")" -v b="$(median <"$work/bare.cpu")" \
    -v f="$(median <"$work/faces.cpu")" \
    'BEGIN { printf "processor time, program / bare window: %.2fx; / bare window with faces: %.2fx\n", p / b, p / f }'
echo "program's resident memory after start-up, median: $(median <"$work/program.rss" | awk '{ printf "%.1f", $1 / 1024 }') MB"
