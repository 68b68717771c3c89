#!/usr/bin/env bash
# Installs what is missing, builds Trellan and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh release
exec build/release/trellan "$@"
