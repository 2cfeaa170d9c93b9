#!/usr/bin/env bash
# Checks that each icon the desktop entry (Icon=) and the AppStream metadata
# (<icon type="stock">) name can be found in the installed hicolor theme: as a
# scalable SVG and as a PNG at every size the project's icon comes in (the
# NxN folders of SOURCE_HICOLOR_DIR), each PNG as large as its folder says.
# Any other PNG in the theme must match its folder too.
# Usage: check-icons.sh HICOLOR_DIR DESKTOP_ENTRY METAINFO SOURCE_HICOLOR_DIR
set -euo pipefail
hicolor=$1 entry=$2 metainfo=$3 sources=$4

status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

# Prints "WIDTH HEIGHT" from a PNG's header: the 8-byte signature, then the
# IHDR chunk (length, type, width and height as big-endian 32-bit numbers).
png_size() {
    local signature chunk
    signature=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
    chunk=$(od -An -c -j12 -N4 "$1" | tr -d ' \n')
    if [ "$signature" != 89504e470d0a1a0a ] || [ "$chunk" != IHDR ]; then
        return 1
    fi
    od -An -tu1 -j16 -N8 "$1" |
        awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}

# Checks one PNG against the NxN folder it is in.
check_png() {
    local png=$1 folder size
    folder=$(basename "$(dirname "$(dirname "$png")")")
    if ! [[ $folder =~ ^([0-9]+)x([0-9]+)$ ]]; then
        fail "$png is not in an NxN folder"
        return
    fi
    if ! size=$(png_size "$png"); then
        fail "$png is not a PNG file"
        return
    fi
    if [ "$size" != "${BASH_REMATCH[1]} ${BASH_REMATCH[2]}" ]; then
        fail "$png is ${size/ /x} pixels, its folder says $folder"
    fi
}

mapfile -t sizes < <(find "$sources" -mindepth 1 -maxdepth 1 -type d -name '*x*' -printf '%f\n' | sort -n)
if [ ${#sizes[@]} -eq 0 ]; then
    fail "no NxN folders in $sources"
fi

names=()
mapfile -t entry_icons < <(sed -n 's/^Icon=//p' "$entry")
if [ ${#entry_icons[@]} -ne 1 ]; then
    fail "$entry has ${#entry_icons[@]} Icon= lines, not one"
fi
names+=("${entry_icons[@]}")
mapfile -t -O ${#names[@]} names < <(sed -n 's|.*<icon type="stock">\(.*\)</icon>.*|\1|p' "$metainfo")
mapfile -t names < <(printf '%s\n' "${names[@]}" | sort -u)

for name in "${names[@]}"; do
    # A theme icon is looked up by name: a path or a file name would bypass the theme.
    if [[ $name == */* || $name =~ \.(png|svg|xpm)$ ]]; then
        fail "icon '$name' is a path or file name, not a theme icon name"
        continue
    fi
    svg=$hicolor/scalable/apps/$name.svg
    if [ ! -f "$svg" ]; then
        fail "icon '$name': $svg is not installed"
    elif ! grep -q '<svg' "$svg"; then
        fail "icon '$name': $svg is not an SVG image"
    fi
    for size in "${sizes[@]}"; do
        png=$hicolor/$size/apps/$name.png
        if [ ! -f "$png" ]; then
            fail "icon '$name': $png is not installed"
        fi
    done
done

pngs=0
while IFS= read -r -d '' png; do
    check_png "$png"
    pngs=$((pngs + 1))
done < <(find "$hicolor" -name '*.png' -print0)

[ $status -eq 0 ] && echo "icons ${names[*]}: scalable and ${sizes[*]} installed, $pngs PNG sizes match"
exit $status
