#!/usr/bin/env bash
# Builds the Debian package build/release/package/trellan_<version>_<arch>.deb
# from the program's install rules, with CPack, and prints its name.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh release --target trellan
out=build/release/package
rm -f "$out"/*.deb
cpack --config build/release/CPackConfig.cmake -B "$out" >/dev/null
ls "$out"/*.deb
