#!/usr/bin/env bash
# Times `trellan --answers` as a whole process, from its start until the key
# for 100,000 generated rows is written, in both formats by turns, several
# times over, and prints each format's median rate in real time and in CPU
# time (user plus system, both threads together). The formats timed can be
# named: "csv xlsx" compares the workbook with the CSV it holds. The rows are ordinary
# worksheet input as AnswerKey/* in answers_bench.cpp has them: whole numbers
# and numbers with one or two decimals between -20 and 20, a header first.
#
#   bench/answers_time.sh [program] [runs] [rows] [formats]
#   (default: build/release/trellan 7 100000 "csv jsonl")
set -euo pipefail

program=${1:-build/release/trellan}
runs=${2:-7}
rows=${3:-100000}
read -ra formats <<<"${4:-csv jsonl}"
[[ -x $program ]] || { echo "no program at $program (build it first)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v rows="$rows" 'BEGIN {
    srand(2008)
    printf "X1,Y1,X2,Y2,X1,Y1,X2,Y2\r\n"
    for (r = 0; r < rows; ++r) {
        for (k = 0; k < 8; ++k) {
            if (k > 0) printf ","
            printf "%d", int(rand() * 41) - 20
            decimals = int(rand() * 4)
            if (decimals == 2) printf ".%d", int(rand() * 10)
            else if (decimals == 3) printf ".%d", int(rand() * 41) * 2
        }
        printf "\r\n"
    }
}' >"$work/rows.csv"

for format in "${formats[@]}"; do : >"$work/$format"; done
for _ in $(seq "$runs"); do
    for format in "${formats[@]}"; do
        start=$(date +%s%N)
        env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= XDG_RUNTIME_DIR="$work" \
            /usr/bin/time -f '%U %S' -o "$work/cpu" \
            "$program" --answers "$work/rows.csv" --format "$format" >"$work/out"
        end=$(date +%s%N)
        # A JSON line per row; the CSV's reports hold line breaks of their own.
        if [[ $format == jsonl ]]; then
            lines=$(wc -l <"$work/out")
            ((lines == rows)) || { echo "jsonl: $lines lines, expected $rows" >&2; exit 1; }
        fi
        read -r user system <"$work/cpu"
        echo "$(((end - start) / 1000000)) $(awk -v u="$user" -v s="$system" 'BEGIN { print int((u + s) * 1000) }')" >>"$work/$format"
    done
done
for format in "${formats[@]}"; do
    sort -n "$work/$format" | awk -v rows="$rows" -v f="$format" '{ r[NR] = $1; c[NR] = $2 }
        END { m = r[int((NR + 1) / 2)]; printf "%-5s real: median %d ms (%.1f k rows/s), runs %d..%d ms\n", f, m, rows / m, r[1], r[NR] }'
    sort -n -k2 "$work/$format" | awk -v rows="$rows" -v f="$format" '{ c[NR] = $2 }
        END { m = c[int((NR + 1) / 2)]; printf "%-5s CPU:  median %d ms (%.1f k rows/s of CPU), runs %d..%d ms\n", f, m, rows / m, c[1], c[NR] }'
done
