#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, skipping what
# is already there. Usage: scripts/deps.sh build|test|fuzz|bench
set -euo pipefail

# fonts-liberation2: Liberation Sans, the face the window uses in place of
# "Arial Unicode MS" and "MS Sans Serif".
build=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev fonts-liberation2)
# The installation and package checks, and the test of the installed window
# in a real X server driven through the accessibility tree.
test=(libgtest-dev libbenchmark-dev dpkg-dev desktop-file-utils appstream lintian man-db
    xvfb dbus at-spi2-core python3-pyatspi python3-xlib imagemagick)
fuzz=(clang libclang-rt-dev)
bench=(libbenchmark-dev xvfb time)

case "${1:-build}" in
build) wanted=("${build[@]}") ;;
test) wanted=("${build[@]}" "${test[@]}") ;;
fuzz) wanted=("${build[@]}" "${fuzz[@]}") ;;
bench) wanted=("${build[@]}" "${bench[@]}") ;;
*)
    echo "usage: $0 build|test|fuzz|bench" >&2
    exit 2
    ;;
esac

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
