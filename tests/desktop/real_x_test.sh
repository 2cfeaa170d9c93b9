#!/usr/bin/env bash
# Runs the staged zavir2 in a real X server with a session bus and its
# accessibility bridge on, and drives it through the AT-SPI tree.
# Usage: real_x_test.sh STAGED_ZAVIR2 SCREENSHOT
set -euo pipefail
program=$1
screenshot=$2
here=$(cd "$(dirname "$0")" && pwd)

mkdir -p "$(dirname "$screenshot")"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
# Debian's pyatspi runs under Debian's own Python.
exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
    dbus-run-session -- /usr/bin/python3 "$here/drive.py" "$program" "$screenshot"
