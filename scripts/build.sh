#!/usr/bin/env bash
# Configures and builds into build/ (BUILD_DIR to change it; extra arguments go to cmake).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$repo/build}
cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "$@" >/dev/null
cmake --build "$build" -j"$(nproc)" 2>&1 | grep -E 'error:|warning:|Error [0-9]' || true
test -x "$build/valorama"
