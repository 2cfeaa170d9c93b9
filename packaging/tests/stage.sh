#!/usr/bin/env bash
# Installs the build into an empty staging folder. The folder is emptied
# first: a file left from an earlier installation would hide a rule that no
# longer installs it.
# Usage: stage.sh CMAKE BUILD_DIR STAGE_DIR
set -euo pipefail
cmake=$1 build=$2 stage=$3

rm -rf "$stage"
"$cmake" --install "$build" --prefix "$stage"
