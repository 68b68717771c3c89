#!/usr/bin/env bash
# Starts the real program in German, French and Spanish (--language) on its
# own X server and saves a screenshot of the main window and of the Practice
# window in each, the Practice window with answers checked as in
# screenshots.sh: one right, one wrong and a decimal comma that is not read.
#   tests/e2e/language_shots.sh build/release/trellan [out-dir]
# `tests/e2e/language_shots.sh build/release/trellan docs` refreshes
# docs/window-*.png and docs/practice-*.png.
set -euo pipefail

program=$1
out=${2:-$(mktemp -d)}
mkdir -p "$out"
source "$(dirname "$0")/x_session.sh"
start_x
# The main window's title names the program in each language.
main_title='^(Quarnbys Trellan|Trellan de Quarnby)$'

# The id of the program's visible window other than its main window.
other_window() {
    for _ in $(seq 300); do
        local id
        for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null || true); do
            [[ $id != "$main_window" ]] && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

for language in de fr es; do
    start_program "$program" --language "$language"
    import -window "$main_window" "$out/window-$language.png"
    # The window keeps its designed size in every language.
    size=$(identify -format '%wx%h' "$out/window-$language.png")
    [[ $size == 1103x553 ]] || { echo "FAIL: main window in $language is $size"; exit 1; }
    kill "$app"
    wait "$app" 2>/dev/null || true

    start_program "$program" --language "$language" --practice --level 2 --seed 7
    practice=$(other_window) || { echo "FAIL: no Practice window in $language"; exit 1; }
    xdotool windowfocus --sync "$practice"
    for answer in "2/3" "0" "2x - 3y = 0" "4/3" "b = 2,5"; do
        xdotool type --delay 20 "$answer"
        xdotool key Tab
    done
    xdotool key shift+Tab Return
    sleep 0.5
    import -window "$practice" "$out/practice-$language.png"
    kill "$app"
    wait "$app" 2>/dev/null || true
    echo "ok: window-$language.png $size, practice-$language.png $(identify -format '%wx%h' "$out/practice-$language.png")"
done
