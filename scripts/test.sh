#!/usr/bin/env bash
# Sets everything up and runs all tests: installs, builds, starts the Firebird fixture, runs
# CTest, and stops the fixture whatever happens. SANITIZE=1 builds with ASan/UBSan.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")
bash "$here/setup.sh"
extra=()
build=$repo/build
if [ "${SANITIZE:-0}" = 1 ]; then
  extra+=(-DVALORAMA_SANITIZE=ON)
  build=$repo/build-sanitize
fi
# The fuzz targets need clang's libFuzzer: a build of their own, run by the main test run.
CXX=clang++ CC=clang cmake -S "$repo" -B "$repo/build-fuzz" -DVALORAMA_FUZZ=ON >/dev/null
cmake --build "$repo/build-fuzz" -j"$(nproc)" 2>&1 | grep -E 'error:|warning:' || true
BUILD_DIR=$build bash "$here/build.sh" "${extra[@]}" -DVALORAMA_FUZZ_DIR="$repo/build-fuzz/fuzz" \
  -DVALORAMA_FUZZ_SECONDS="${FUZZ_SECONDS:-10}"
bash "$here/fixture.sh" start
trap 'bash "$here/fixture.sh" stop' EXIT
cd "$build"
ctest --output-on-failure --timeout 900 "$@"
