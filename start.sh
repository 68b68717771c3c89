#!/usr/bin/env bash
# Installs what is missing, builds Trellan and starts it. Only the program is
# built, not the tests and benchmarks, so the first start is as short as the
# build allows; ./check.sh builds everything.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh release --target trellan
exec build/release/trellan "$@"
