#!/usr/bin/env bash
# Starts the real program on its own X server and saves screenshots of the
# main window and of the About window (opened by clicking "About ...").
#   tests/e2e/screenshots.sh build/release/trellan [out-dir]
set -euo pipefail

program=$1
out=${2:-$(mktemp -d)}
mkdir -p "$out"
source "$(dirname "$0")/x_session.sh"
start_x

start_program "$program"
main=$main_window
import -window "$main" "$out/main-window.png"

eval "$(xdotool getwindowgeometry --shell "$main")" # X, Y
xdotool mousemove $((X + 1070)) $((Y + 14)) click 1
about=$(find_window "About Trellan") || { echo "FAIL: no About window"; exit 1; }
sleep 0.5
import -window "$about" "$out/about-window.png"

for shot in main-window about-window; do
    size=$(identify -format '%wx%h' "$out/$shot.png")
    echo "ok: $shot.png $size"
done
[[ $(identify -format '%wx%h' "$out/main-window.png") == 1103x553 ]] || { echo "FAIL: main window size"; exit 1; }
[[ $(identify -format '%wx%h' "$out/about-window.png") == 431x383 ]] # the client area and its one-pixel border || { echo "FAIL: About window size"; exit 1; }
