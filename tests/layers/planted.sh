#!/usr/bin/env bash
# The layers check is worth what it catches. On a copy of the layers, each
# room of the main window is given, one at a time, an include of the window,
# a mention of Form1 and an include of another room: the check must fail on
# each, and pass on the copy as it was and once every plant is taken out.
set -euo pipefail
cd "$(dirname "$0")/../.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r tools core look words graph about_window main_window app "$work"
cd "$work"

failed=0
# expect <pass|fail> <what>: what check_layers.sh should say of the copy now.
expect() {
    local got=pass
    tools/check_layers.sh >/dev/null 2>&1 || got=fail
    if [[ $got != "$1" ]]; then
        echo "check_layers.sh should $1 with $2, but did not"
        failed=1
    fi
}
# plant <file> <line> <what>: the check fails while the line stands at the
# end of the file.
plant() {
    cp "$1" saved.txt
    echo "$2" >>"$1"
    expect fail "$3"
    cp saved.txt "$1"
}

expect pass "the tree as it is"
for room in main_window/*/; do
    room=${room%/}
    file=$(find "$room" -name '*.h' | sort | head -n 1)
    other=main_window/drag
    [[ $room != "$other" ]] || other=main_window/files
    plant "$file" '#include "main_window/form1.h"' "form1.h included in $room"
    plant "$file" 'class Form1;' "Form1 named in $room"
    plant "$file" "#include \"$other/any.h\"" "$room including $other"
done
expect pass "every plant taken out"
exit "$failed"
