# Sourced by the end-to-end scripts: a scratch folder `work`, an X server on
# a free display, and the program under test, all ended when the script ends.
work=$(mktemp -d)
# The X server is waited for: one still shutting down removes the socket of
# a display it held, which the next test's server may already have taken.
trap 'kill "${app:-}" "${xvfb:-}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT

# Starts Xvfb on a display the server chooses itself and exports DISPLAY.
# -noreset: by default the server starts afresh when its last client leaves,
# and a program started again just then cannot connect to it.
start_x() {
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do
        [[ -s $work/display ]] && break
        sleep 0.1
    done
    [[ -s $work/display ]] || { echo "FAIL: Xvfb did not start"; return 1; }
    # Settings in the scratch folder: the user's own choices never reach a test.
    export DISPLAY=:$(head -n1 "$work/display") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work \
        XDG_CONFIG_HOME=$work/config
}

# Prints the id of the first window whose name matches, waiting up to 30 s
# (a loaded machine can be slow to start the program).
find_window() {
    for _ in $(seq 300); do
        local id
        id=$(xdotool search --name "$1" 2>/dev/null | head -n1 || true)
        [[ -n $id ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Starts the program, with the options after it, on the X server and sets
# `main_window` to the id of its main window, found by its title
# (`main_title`, a pattern; the English one unless set).
start_program() {
    "$@" >"$work/log" 2>&1 &
    app=$!
    local title="Quarnby's Trellan"
    [[ -n ${main_title:-} ]] && title=$main_title
    main_window=$(find_window "$title") || {
        echo "FAIL: no main window"
        cat "$work/log"
        return 1
    }
    sleep 0.5
}
