#!/usr/bin/env bash
# Installs what is missing, configures, builds, and runs every test. Extra
# arguments go to CMake (e.g. -DZAVIR2_SANITIZE=ON).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DZAVIR2_WERROR=ON "$@"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure --timeout 300
