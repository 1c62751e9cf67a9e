#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   BUILD_DIR   build folder (default: build)
#   CMAKE_ARGS  extra configure arguments (for example -DRONDIX_SANITIZE=ON)
#   JOBS        parallel build and test jobs (default: all cores)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build="${BUILD_DIR:-build}"
jobs="${JOBS:-$(nproc)}"
# shellcheck disable=SC2086
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug ${CMAKE_ARGS:-}
cmake --build "$build" -j"$jobs"
export QT_QPA_PLATFORM=offscreen LC_ALL=C
ctest --test-dir "$build" --output-on-failure -j"$jobs"
