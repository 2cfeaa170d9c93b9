#!/usr/bin/env bash
# Runs lintian on the Debian package; an error or a warning fails. Nothing is
# suppressed: the package draws no warnings. Information tags are shown, not
# failed on: they ask for build flags (-Wl,-z,now) and a stripping of the
# .comment section that the build and CPack do not make.
# Usage: lintian.sh DEB_DIR
set -euo pipefail
dir=$1

shopt -s nullglob
debs=("$dir"/*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    echo "FAIL: expected one .deb in $dir, found ${#debs[@]}" >&2
    exit 1
fi

lintian --fail-on error,warning --display-info --tag-display-limit 0 "${debs[0]}"
echo "lintian: no errors or warnings"
