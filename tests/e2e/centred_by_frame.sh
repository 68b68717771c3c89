#!/usr/bin/env bash
# Under a window manager that gives the window a title bar and borders, the
# window's outer rectangle, frame included, stands centred on the screen to
# within one pixel; a window the user then moves stays where it was put.
#
#   tests/e2e/centred_by_frame.sh <program>
set -euo pipefail

program=$1
app=
wm=
source "$(dirname "$0")/x_session.sh"
trap 'kill "${app:-}" "${wm:-}" "${xvfb:-}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
start_x

# The window manager is running once it names its check window on the root.
XDG_CONFIG_HOME=$work openbox >"$work/wm.log" 2>&1 &
wm=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || { echo "FAIL: no window manager"; cat "$work/wm.log"; exit 1; }

start_program "$program"
read -r screen_w screen_h < <(xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')

# The outer rectangle "x y w h": the inner window's place and size on the
# screen grown by the frame's extents (left, right, top, bottom).
outer() {
    local x y w h left right top bottom
    read -r x y w h < <(xwininfo -id "$main_window" | awk '
        /Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 }
        /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }')
    IFS=', ' read -r left right top bottom < <(xprop -id "$main_window" _NET_FRAME_EXTENTS \
        | sed -n 's/.* = //p')
    echo "$((x - ${left:-0})) $((y - ${top:-0})) $((w + ${left:-0} + ${right:-0})) $((h + ${top:-0} + ${bottom:-0})) ${top:-0}"
}

# Twice the distance of the rectangle's centre from the screen's centre, in
# each direction ("x y"); within one pixel is at most 2.
off_centre() {
    local x y w h
    read -r x y w h _ <<<"$1"
    local dx=$((2 * x + w - screen_w)) dy=$((2 * y + h - screen_h))
    echo "${dx#-} ${dy#-}"
}

centred() { read -r dx dy < <(off_centre "$1"); ((dx <= 2 && dy <= 2)); }

failures=0
expect() { if [[ $2 == "$3" ]]; then echo "ok: $1"; else echo "FAIL: $1: got $2, want $3"; failures=$((failures + 1)); fi; }

# The window manager may take a moment to frame the window and move it.
for _ in $(seq 50); do
    rect=$(outer)
    centred "$rect" && break
    sleep 0.1
done
read -r _ _ _ _ title_bar <<<"$rect"
expect "the window has a title bar" "$((title_bar > 0))" 1
expect "the outer rectangle is centred" "$(centred "$rect" && echo yes || echo "no: $(off_centre "$rect")")" yes
sleep 1
expect "it stays centred" "$(off_centre "$(outer)")" "$(off_centre "$rect")"

# Moved by the user, it is not pulled back.
xdotool windowmove "$main_window" 20 30
sleep 1
read -r x y _ <<<"$(outer)"
moved="$x $y"
sleep 1
read -r x y _ <<<"$(outer)"
expect "a moved window stays where it was put" "$x $y" "$moved"
expect "a moved window is no longer centred" "$(centred "$(outer)" && echo centred || echo moved)" moved

((failures == 0)) || { echo "rectangle was: $rect on ${screen_w}x$screen_h"; exit 1; }
