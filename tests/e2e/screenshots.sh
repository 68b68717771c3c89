#!/usr/bin/env bash
# Starts the real program on its own X server and saves screenshots of the
# main window, of the About window (opened by clicking "About ...") and of the
# main window again with the end points' coordinates shown on the graph, and
# of the Exact values window showing the working, and of the Practice window
# (started by --practice) with answers checked.
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

# The graph's menu choice, as the program stores it, and the program started
# again to show it.
kill "$app"
wait "$app" 2>/dev/null || true
mkdir -p "$XDG_CONFIG_HOME/Trellan"
printf '[graph]\nendPointCoordinates=true\n' >"$XDG_CONFIG_HOME/Trellan/Trellan.conf"
start_program "$program"
import -window "$main_window" "$out/end-point-coordinates.png"

# The Exact values window (opened by clicking "Exact values ..."), scrolled
# down to the start of the working.
eval "$(xdotool getwindowgeometry --shell "$main_window")"
xdotool mousemove $((X + 1000)) $((Y + 15)) click 1
exact=$(find_window "Exact values") || { echo "FAIL: no Exact values window"; exit 1; }
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$exact")"
xdotool mousemove $((X + 250)) $((Y + 250))
for _ in 1 2 3 4 5 6; do xdotool click 5; done
sleep 0.5
import -window "$exact" "$out/working.png"

# The Practice window from the command line, its sitting made again from
# its seed: line one answered right (its equation in another form), line
# two's slope wrong, so that the hint shows, and its y-intercept written with
# a decimal comma, which is not read and says how to write it.
kill "$app"
wait "$app" 2>/dev/null || true
start_program "$program" --practice --level 2 --seed 7
practice=$(find_window "^Practice$") || { echo "FAIL: no Practice window"; exit 1; }
xdotool windowfocus --sync "$practice"
for answer in "2/3" "0" "2x - 3y = 0" "4/3" "b = 2,5"; do
    xdotool type --delay 20 "$answer"
    xdotool key Tab
done
xdotool key shift+Tab Return
sleep 0.5
import -window "$practice" "$out/practice.png"

for shot in main-window about-window end-point-coordinates working practice; do
    size=$(identify -format '%wx%h' "$out/$shot.png")
    echo "ok: $shot.png $size"
done
[[ $(identify -format '%wx%h' "$out/main-window.png") == 1103x553 ]] || { echo "FAIL: main window size"; exit 1; }
[[ $(identify -format '%wx%h' "$out/end-point-coordinates.png") == 1103x553 ]] || { echo "FAIL: main window size with labels"; exit 1; }
# The About window: its client area and its one-pixel border.
[[ $(identify -format '%wx%h' "$out/about-window.png") == 431x383 ]] || { echo "FAIL: About window size"; exit 1; }
