#!/usr/bin/env bash
# Times the real program from its start until its main window is on screen,
# on an X server of its own (Xvfb), several times over, and prints the median;
# then the median resident memory once it has settled.
#
#   bench/startup_time.sh [program] [runs]     (default: build/release/trellan 10)
#
# The window is built, laid out and drawn (both lines, grid, ticks) before it
# is shown, so it is first mapped with the whole picture ready: the time to a
# viewable window is the time to the first frame, give or take the one
# repaint that follows the mapping. The first run's screenshot is checked for
# the drawn axes, so a window that shows up empty does not pass for a start.
# The window is looked for in a tight loop: `xdotool search --sync` only looks
# every half second.
set -euo pipefail

program=${1:-build/release/trellan}
runs=${2:-10}
title="Quarnby's Trellan"
[[ -x $program ]] || { echo "no program at $program (build it first)" >&2; exit 1; }

app=
source "$(dirname "$0")/../tests/e2e/x_session.sh" # work, the X server, cleanup
start_x

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Light red (the axes and ticks) in a screenshot of the window: the frame
# has been painted.
painted() {
    local shot=$work/shot.png
    import -window "$1" "$shot" 2>/dev/null || return 1
    convert "$shot" -fill black +opaque '#ff0000' -fill white -opaque '#ff0000' \
        -format '%[fx:int(mean * w * h)]' info: | awk '{ exit !($1 > 200) }'
}

: >"$work/ms"
: >"$work/rss"
for run in $(seq "$runs"); do
    start=$(date +%s%N)
    "$program" >"$work/log" 2>&1 &
    app=$!
    window=
    until [[ -n $window ]]; do
        window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n1 || true)
        if [[ -z $window ]]; then
            kill -0 "$app" 2>/dev/null || { echo "the program ended:" >&2; cat "$work/log" >&2; exit 1; }
            (($(date +%s%N) - start < 10000000000)) || { echo "no window within 10 s" >&2; exit 1; }
            sleep 0.002
        fi
    done
    end=$(date +%s%N)
    awk -v ns=$((end - start)) 'BEGIN { printf "%.1f\n", ns / 1e6 }' >>"$work/ms"
    sleep 0.5 # settled: first paint done, caches filled
    if ((run == 1)); then
        painted "$window" || { echo "the window shows no drawn axes" >&2; exit 1; }
    fi
    awk '/^VmRSS:/ { print $2 }' "/proc/$app/status" >>"$work/rss"
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
    # The next start looks for a new window, not this one on its way out.
    while xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do sleep 0.01; done
done

echo "start to viewable window, ms (each run): $(paste -sd ' ' "$work/ms")"
echo "start to viewable window, median: $(median <"$work/ms") ms over $runs runs"
echo "resident memory after start-up, median: $(median <"$work/rss" | awk '{ printf "%.1f", $1 / 1024 }') MB"
