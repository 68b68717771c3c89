#!/usr/bin/env bash
# Installs what is missing, builds Trellan and starts it. Only what the
# program needs is installed and only the program is built, not the tests
# and benchmarks, so the first start is as short as it can be; ./check.sh
# installs and builds everything.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh program --target trellan
exec build/program/trellan "$@"
