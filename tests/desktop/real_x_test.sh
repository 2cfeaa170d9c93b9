#!/usr/bin/env bash
# Runs the staged zavir2 in a real X server with a session bus and its
# accessibility bridge on, and drives it through the AT-SPI tree.
# Usage: real_x_test.sh STAGED_ZAVIR2 SCREENSHOT
set -euo pipefail
program=$1
screenshot=$2
here=$(cd "$(dirname "$0")" && pwd)

mkdir -p "$(dirname "$screenshot")"
work=$(mktemp -d)
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}

# Xvfb picks a free display itself and writes its number once it accepts
# connections, so neither a display in use nor a slow start can trip us. By
# default it resets whenever its last client leaves (the accessibility bus
# launcher is one, briefly) and refuses connections meanwhile: -noreset.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
if ! [ -s "$work/display" ]; then
    cat "$work/xvfb.log" >&2
    echo "Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=":$(cat "$work/display")"

# Debian's pyatspi runs under Debian's own Python.
dbus-run-session -- /usr/bin/python3 "$here/drive.py" "$program" "$screenshot"
