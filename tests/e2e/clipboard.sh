#!/usr/bin/env bash
# Ctrl+C on the focused graph puts the picture on the X clipboard: another
# program reads it as a PNG of the drawing area's size, and as SVG.
#
#   tests/e2e/clipboard.sh <program>
set -euo pipefail

program=$1
app=
source "$(dirname "$0")/x_session.sh"
start_x
start_program "$program"

# The graph has the focus when the window opens.
xdotool windowactivate --sync "$main_window" 2>/dev/null || xdotool windowfocus --sync "$main_window"
xdotool key --window "$main_window" ctrl+c
for _ in $(seq 50); do
    xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx image/png && break
    sleep 0.1
done
targets=$(xclip -selection clipboard -t TARGETS -o)
xclip -selection clipboard -t image/png -o >"$work/copied.png"
size=$(identify -format '%wx%h' "$work/copied.png")
failures=0
[[ $(head -c 4 "$work/copied.png" | tail -c 3) == PNG ]] || { echo "FAIL: not a PNG"; failures=1; }
[[ $size == 505x463 ]] || { echo "FAIL: picture of $size, not 505x463"; failures=1; }
grep -qx 'image/svg+xml' <<<"$targets" || { echo "FAIL: no SVG among: $targets"; failures=1; }
# The axes are in it.
red=$(convert "$work/copied.png" -fill black +opaque '#ff0000' -fill white -opaque '#ff0000' \
    -format '%[fx:int(mean * w * h)]' info:)
((red > 500)) || { echo "FAIL: only $red axis pixels"; failures=1; }
((failures == 0)) && echo "clipboard holds the picture ($size, $targets)" | tr '\n' ' '
exit $failures
