#!/usr/bin/env bash
# Fails when a layer reaches into a layer above it: nothing includes the
# command line, nothing below the main window includes it, the About window
# does not include the graph, the look includes no window, the graph's
# engine is not a widget, the export builds no window, and the main window
# leaves the pixels to the graph (no Canvas, no segment pixels, no glyph
# machinery) and keeps its private steps to itself, and each of its rooms
# keeps to its own folder and widgets/.
set -euo pipefail
cd "$(dirname "$0")/.."

failed=0
# forbid <pattern> <what it means> <folder>...: every line in the folders'
# C++ files that matches is a fault.
forbid() {
    local pattern=$1 meaning=$2
    shift 2
    local hits
    hits=$(grep -rnE --include='*.h' --include='*.cpp' "$pattern" "$@" || true)
    if [[ -n $hits ]]; then
        echo "$meaning:"
        echo "$hits"
        failed=1
    fi
}

forbid '#include[[:space:]]*[<"]app/' "includes the command line" core look words graph about_window \
    main_window
forbid '#include[[:space:]]*[<"]main_window/' "includes the main window" core look words graph \
    about_window
forbid '#include[[:space:]]*[<"](about_window|graph|words)/' "includes a window, the graph or the words" \
    core look
forbid '#include[[:space:]]*[<"](about_window|graph)/' "the words include a window or the graph" words
# The drawing engine is Qt Gui alone: only the panel is a widget.
forbid '#include[[:space:]]*<(QWidget|QFrame|QApplication|QtWidgets)' "the graph's engine uses widgets" \
    $(ls graph/*.h graph/*.cpp | grep -v graph_panel)
# The command line draws through the graph, with no window in between.
forbid '\bForm1\b|#include[[:space:]]*<(QApplication|QWidget)' "the export builds a window" \
    app/export_command.h app/export_command.cpp
forbid '\bfriend\b' "a class reaches into the main window's private steps" main_window
# Whether a report is added is the check box's, and the zoom sets it back
# to the box: nobody else turns it on and off around a call.
forbid '\bPlaceResults[[:space:]]*=[^=]' "PlaceResults set as a hidden parameter" \
    $(grep -rl --include='*.h' --include='*.cpp' PlaceResults main_window app |
        grep -vE '^main_window/form1(_graph)?\.(cpp|h)$' || true) /dev/null
forbid '#include[[:space:]]*[<"]graph/' "the About window includes the graph" about_window
# The main window's rooms (each folder of it) are below it: a room reaches
# the window only through the door the window hands it, never by Form1 or
# the window's own headers, and includes no other room but widgets/, the one
# every room may use. The faces' generator is the one exception: a program
# run at build time, not part of the window, it paints the faces with the
# window's own buttons, so it builds a Form1 and includes form1.h.
rooms=(main_window/*/)
rooms=("${rooms[@]%/}")
for room in "${rooms[@]}"; do
    others=()
    for other in "${rooms[@]}"; do
        [[ $other == "$room" || $other == main_window/widgets ]] || others+=("${other#main_window/}")
    done
    mapfile -t sources < <(find "$room" -name '*.h' -o -name '*.cpp')
    mapfile -t inside < <(printf '%s\n' "${sources[@]}" | grep -vx 'main_window/faces/face_gen\.cpp')
    forbid '#include[[:space:]]*[<"]main_window/[^/]+\.h|\bForm1\b' \
        "a room of the main window reaches into it" "${inside[@]}" /dev/null
    if ((${#others[@]})); then
        forbid "#include[[:space:]]*[<\"]main_window/($(IFS='|' && echo "${others[*]}"))/" \
            "a room of the main window includes another room" "${sources[@]}" /dev/null
    fi
done
forbid '\b(Canvas|SegmentPixels|SkipLine|GlyphTable|GlyphInk|NumberPrinter)\b|canvas\(\)' \
    "the main window handles the graph's pixels" main_window

if ((failed)); then
    echo "check_layers.sh: a layer reaches above itself (see above)" >&2
    exit 1
fi
echo "check_layers.sh: every layer keeps to its own"
