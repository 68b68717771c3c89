#!/usr/bin/env bash
# Starts the real program on its own X server, ticks the report box and
# clicks "Draw Both Lines" with the pointer, then reads a screenshot's pixels.
set -euo pipefail

program=$1
source "$(dirname "$0")/x_session.sh"
start_x

start_program "$program"
window=$main_window
eval "$(xdotool getwindowgeometry --shell "$window")" # X, Y

click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep 0.3; }
pixel() { convert "$work/shot.png" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" -crop "1x1+$((X + $1))+$((Y + $2))" info:; }
colours_in() { convert "${4:-$work/shot.png}" -crop "$1+$((X + $2))+$((Y + $3))" +repage -unique-colors txt:- | tr 'A-F' 'a-f'; }

inked() { grep -vc '#ffffff\|^#' <<<"$1" || true; } # colours other than white

click 584 346 # Check1
import -window root "$work/before.png"
click 609 276 # cmd_bothlines
for _ in $(seq 20); do # wait for the report to show
    import -window root "$work/shot.png"
    (($(inked "$(colours_in 400x100 590 370)") > 1)) && break
    sleep 0.25
done

failures=0
expect() { if [[ $2 == "$3" ]]; then echo "ok: $1"; else echo "FAIL: $1: got $2, want $3"; failures=$((failures + 1)); fi; }

expect "window background" "$(pixel 5 545)" "128,128,255"
panel=$(colours_in 505x463 18 34)
expect "line one is cyan on the graph" "$(grep -c '#008080' <<<"$panel")" 1
expect "line two is green on the graph" "$(grep -c '#008000' <<<"$panel")" 1
expect "the results box starts empty" "$(inked "$(colours_in 400x100 590 370 "$work/before.png")")" 0
expect "a report was written into the results box" "$(( $(inked "$(colours_in 400x100 590 370)") > 1 ))" 1
expect "the program is still running" "$(kill -0 "$app" 2>/dev/null && echo yes || echo no)" yes

if ((failures)); then
    cp "$work/shot.png" "${E2E_SHOT:-/tmp/trellan-e2e-failure.png}"
    exit 1
fi
