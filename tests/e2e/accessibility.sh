#!/usr/bin/env bash
# Starts the real program on its own X server with its own session bus and
# accessibility bus, then reads and drives it from outside through AT-SPI, as
# a screen reader would (read_accessibility_tree.py does the reading, or the
# Python script named second, given the arguments after it).
set -euo pipefail

program=$1
driver=${2:-read_accessibility_tree.py}
here=$(dirname "$0")
# The scratch folder `work` and start_x; sourced first, as it sets its own
# exit trap, which the one below replaces.
source "$here/x_session.sh"

# Ends what this script started, the program first, then the buses, each by
# its own process id; the bus launcher's own bus goes with it.
cleanup() {
    local launched=()
    [[ -n ${launcher:-} ]] && mapfile -t launched < <(ps -o pid= --ppid "$launcher" 2>/dev/null || true)
    for pid in "${app:-}" "${launcher:-}" "${launched[@]}" "${bus:-}" "${xvfb:-}"; do
        [[ -n ${pid// /} ]] && kill $pid 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A Python that has the AT-SPI bindings (the system one, not a private one).
python=
for candidate in /usr/bin/python3 python3; do
    if "$candidate" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null; then
        python=$candidate
        break
    fi
done
[[ -n $python ]] || { echo "FAIL: no Python with gi and Atspi 2.0 (python3-gi, gir1.2-atspi-2.0)"; exit 1; }
launcher_exe=/usr/libexec/at-spi-bus-launcher
[[ -x $launcher_exe ]] || { echo "FAIL: $launcher_exe missing (at-spi2-core)"; exit 1; }

start_x

# A session bus of our own, and the accessibility bus behind it; nothing of
# the caller's session may point elsewhere.
unset AT_SPI_BUS_ADDRESS NO_AT_BRIDGE
dbus-daemon --session --nofork --address="unix:dir=$work" --print-address=3 3>"$work/bus" >/dev/null 2>&1 &
bus=$!
for _ in $(seq 100); do
    [[ -s $work/bus ]] && break
    sleep 0.1
done
[[ -s $work/bus ]] || { echo "FAIL: the session bus did not start"; exit 1; }
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")

"$launcher_exe" --launch-immediately --a11y=1 >"$work/launcher.log" 2>&1 &
launcher=$!
owned=false
for _ in $(seq 100); do
    if dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'; then
        owned=true
        break
    fi
    sleep 0.1
done
$owned || { echo "FAIL: the accessibility bus launcher did not start"; cat "$work/launcher.log"; exit 1; }

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$program" >"$work/log" 2>&1 &
app=$!

status=0
"$python" "$here/$driver" "${@:3}" || status=$?
if ! kill -0 "$app" 2>/dev/null; then
    echo "FAIL: the program ended during the test"
    status=1
fi
if ((status)); then
    echo "--- program output:"
    cat "$work/log"
fi
exit "$status"
