#!/usr/bin/env bash
# Installs what is missing, builds Trellan and runs every test: the optimised
# build's suite, a short fuzzing run of the core, and the whole suite again
# under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

tools/setup.sh release
tools/format.sh --check
ctest --preset release -j2

tools/fuzz.sh 20

tools/setup.sh asan
ctest --preset asan -j2
