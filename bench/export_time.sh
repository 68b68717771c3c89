#!/usr/bin/env bash
# Times `trellan --export` as a whole process, from its start until the PNG
# at the default range is written, with no display, several times over, and
# prints the median. Compare with bench/startup_time.sh, the start-up to the
# first frame.
#
#   bench/export_time.sh [program] [runs] [file extension]   (default: build/release/trellan 10 png)
set -euo pipefail

program=${1:-build/release/trellan}
runs=${2:-10}
extension=${3:-png}
[[ -x $program ]] || { echo "no program at $program (build it first)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

: >"$work/ms"
for _ in $(seq "$runs"); do
    rm -f "$work/graph.$extension"
    start=$(date +%s%N)
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= XDG_RUNTIME_DIR="$work" \
        "$program" --export "$work/graph.$extension"
    end=$(date +%s%N)
    [[ -s $work/graph.$extension ]] || { echo "no picture written" >&2; exit 1; }
    echo $(((end - start) / 1000000)) >>"$work/ms"
done
sort -n "$work/ms" | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print "export median " m " ms over " NR " runs" }'
