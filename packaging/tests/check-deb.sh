#!/usr/bin/env bash
# Examines the Debian package: its control fields (name, version,
# architecture, dependencies found by dpkg-shlibdeps and those the programs
# load at run time), its file list against what an installation must hold,
# nothing more, with root ownership and Debian's modes; the programs stripped
# and without RPATH; the packaged zavir2-cli answering as the built one does.
# The icon sizes are the NxN folders of SOURCE_HICOLOR_DIR.
# Usage: check-deb.sh DEB_DIR VERSION APP_ID BUILT_ZAVIR2_CLI SOURCE_HICOLOR_DIR
set -euo pipefail
dir=$1 version=$2 app_id=$3 built_cli=$4 sources=$5

status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

shopt -s nullglob
debs=("$dir"/*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    echo "FAIL: expected one .deb in $dir, found ${#debs[@]}" >&2
    exit 1
fi
deb=${debs[0]}

dpkg-deb --info "$deb"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = zavir2 ] || fail "Package is '$(field Package)', not zavir2"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
architecture=$(dpkg --print-architecture)
[ "$(field Architecture)" = "$architecture" ] ||
    fail "Architecture is '$(field Architecture)', not $architecture"
[ "$(field Description | wc -l)" -gt 1 ] || fail "the Description has no extended description"

# The names in Depends, without versions or alternatives' bars.
mapfile -t depends < <(field Depends | tr ',|' '\n' | sed 's/(.*)//; s/[[:space:]]//g' | sed '/^$/d')
# From dpkg-shlibdeps: the C and C++ run-time and the three Qt libraries the
# window links; their absence means shlibdeps did not run. Then the ones
# loaded at run time, which it cannot see.
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 fonts-liberation2; do
    printf '%s\n' "${depends[@]}" | grep -qx -- "$package" || fail "Depends lacks $package: ${depends[*]}"
done

# The files an installation must hold, and nothing else.
expected=(
    ./usr/bin/zavir2
    ./usr/bin/zavir2-cli
    "./usr/share/applications/$app_id.desktop"
    "./usr/share/metainfo/$app_id.metainfo.xml"
    "./usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    ./usr/share/man/man1/zavir2.1.gz
    ./usr/share/man/man1/zavir2-cli.1.gz
    ./usr/share/doc/zavir2/copyright
    ./usr/share/doc/zavir2/changelog.gz
)
mapfile -t sizes < <(find "$sources" -mindepth 1 -maxdepth 1 -type d -name '*x*' -printf '%f\n')
[ ${#sizes[@]} -gt 0 ] || fail "no NxN folders in $sources"
for size in "${sizes[@]}"; do
    expected+=("./usr/share/icons/hicolor/$size/apps/$app_id.png")
done

contents=$(dpkg-deb --contents "$deb")
actual=$(awk '$1 !~ /^d/ { print $6 }' <<<"$contents" | LC_ALL=C sort)
if ! difference=$(diff <(printf '%s\n' "${expected[@]}" | LC_ALL=C sort) <(echo "$actual")); then
    fail "the package's files differ from the expected ones ('<' missing, '>' unexpected):"
    echo "$difference" >&2
fi

# Owner root, folders 755, programs 755, everything else 644.
while read -r mode owner _ _ _ path _; do
    [ "$owner" = root/root ] || fail "$path is owned by $owner"
    case "$mode:$path" in
    d*) wanted=drwxr-xr-x ;;
    *:./usr/bin/*) wanted=-rwxr-xr-x ;;
    *) wanted=-rw-r--r-- ;;
    esac
    [ "$mode" = "$wanted" ] || fail "$path has mode $mode, not $wanted"
done <<<"$contents"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$deb" "$unpacked"

# Stripped, and with no RPATH: the libraries are the system's.
for program in "$unpacked"/usr/bin/*; do
    if readelf --sections --wide "$program" | grep -qE ' \.(symtab|debug_[a-z]+) '; then
        fail "${program#"$unpacked"} is not stripped"
    fi
    if readelf --dynamic "$program" | grep -qE '\((RPATH|RUNPATH)\)'; then
        fail "${program#"$unpacked"} has a library search path: $(readelf --dynamic "$program" | grep PATH)"
    fi
done

# The stripped, packaged program must behave as the one the build made:
# same output, notices and exit status, for a result, notices, a conversion
# failure and a usage error.
run() {
    local cli=$1
    shift
    local out err code=0
    out=$("$cli" "$@" 2>"$unpacked/stderr") || code=$?
    err=$(<"$unpacked/stderr")
    printf 'status %s\nstdout %s\nstderr %s\n' "$code" "$out" "$err"
}
for arguments in "" "--version" "--age 12 --strength \$ff" "--weight much" "--sex 9"; do
    read -r -a words <<<"$arguments"
    packaged=$(run "$unpacked/usr/bin/zavir2-cli" "${words[@]}")
    built=$(run "$built_cli" "${words[@]}")
    [ "$packaged" = "$built" ] ||
        fail "the packaged zavir2-cli $arguments answers \"$packaged\", the built one \"$built\""
done

[ $status -eq 0 ] && echo "$(basename "$deb"): fields, ${#expected[@]} files, modes, stripped programs: as expected"
exit $status
