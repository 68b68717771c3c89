#!/usr/bin/env bash
# Installs what is missing, builds Trellan and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh release
ctest --preset release -j2
