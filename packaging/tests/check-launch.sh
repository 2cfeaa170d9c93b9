#!/usr/bin/env bash
# Checks that what the desktop entry and the AppStream metadata point at is
# installed: the entry's Exec program, the metadata's launchable entry and the
# programs it says it provides. Also that StartupWMClass is the executable's
# name, which Qt gives the window as its class.
# Usage: check-launch.sh BIN_DIR DESKTOP_ENTRY METAINFO
set -euo pipefail
bindir=$1 entry=$2 metainfo=$3

status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

check_program() {
    local what=$1 program=$2
    if [[ $program == */* ]]; then
        fail "$what '$program' is a path: the entry must work from any installation prefix"
    elif [ ! -x "$bindir/$program" ] || [ ! -f "$bindir/$program" ]; then
        fail "$what '$program' is not an installed program in $bindir"
    fi
}

exec_line=$(sed -n 's/^Exec=//p' "$entry")
program=${exec_line%% *}
if [ -z "$program" ]; then
    fail "$entry has no Exec="
else
    check_program "Exec" "$program"
fi

wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
if [ -n "$wm_class" ] && [ "$wm_class" != "$program" ]; then
    fail "StartupWMClass=$wm_class, but the window's class is the executable's name, $program"
fi

mapfile -t launchables < <(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
if [ ${#launchables[@]} -eq 0 ]; then
    fail "$metainfo names no desktop-id launchable"
fi
for id in "${launchables[@]}"; do
    if [ ! -f "$(dirname "$entry")/$id" ]; then
        fail "launchable $id is not installed next to $entry"
    fi
done

mapfile -t binaries < <(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo")
for binary in "${binaries[@]}"; do
    check_program "provided binary" "$binary"
done

[ $status -eq 0 ] && echo "Exec=$program, launchables ${launchables[*]}, binaries ${binaries[*]}: installed"
exit $status
