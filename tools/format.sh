#!/usr/bin/env bash
# Formats every C++ file of the product and its tests with .clang-format;
# with --check, changes nothing and fails when a file would change.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [[ ${1:-} == --check ]]; then
    if ! clang-format --dry-run --Werror "${files[@]}"; then
        echo "format.sh: the files above are not formatted; run tools/format.sh" >&2
        exit 1
    fi
else
    clang-format -i "${files[@]}"
fi
