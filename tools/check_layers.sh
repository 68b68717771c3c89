#!/usr/bin/env bash
# Fails when a layer reaches into a layer above it: nothing below the main
# window includes it, the About window does not include the graph, the look
# includes no window, and the main window leaves the pixels to the graph
# (no Canvas, no segment pixels, no glyph machinery).
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

forbid '#include[[:space:]]*[<"]main_window/' "includes the main window" core graph about_window look
forbid '#include[[:space:]]*[<"](about_window|graph)/' "includes a window or the graph" core look
forbid '#include[[:space:]]*[<"]graph/' "the About window includes the graph" about_window
forbid '\b(Canvas|SegmentPixels|SkipLine|GlyphTable|GlyphInk|NumberPrinter)\b|canvas\(\)' \
    "the main window handles the graph's pixels" main_window

if ((failed)); then
    echo "check_layers.sh: a layer reaches above itself (see above)" >&2
    exit 1
fi
echo "check_layers.sh: every layer keeps to its own"
