#!/usr/bin/env bash
# Installs what is missing, configures, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DZAVIR2_WERROR=ON
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure --timeout 300
