#!/usr/bin/env bash
# Builds the Debian package with cpack into an emptied folder, so that the
# checks after it see this build's package and nothing older.
# Usage: build-deb.sh CPACK CPACK_CONFIG OUT_DIR
set -euo pipefail
cpack=$1 config=$2 out=$3

rm -rf "$out"
"$cpack" --config "$config" -G DEB -B "$out"

shopt -s nullglob
debs=("$out"/*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    echo "expected one .deb in $out, found ${#debs[@]}" >&2
    exit 1
fi
echo "built ${debs[0]}"
