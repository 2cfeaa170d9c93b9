#!/usr/bin/env bash
# Installs what is missing, builds the program, and starts its window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh build
build=${BUILD_DIR:-build-app}
cmake -S . -B "$build" -G Ninja -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target zavir2

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display to open the window on: run it under Xvfb with" \
        "'apt-get install xvfb && xvfb-run -a $build/ui/zavir2'." >&2
    exit 1
fi
exec "$build/ui/zavir2"
