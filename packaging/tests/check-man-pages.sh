#!/usr/bin/env bash
# Checks the installed manual pages: every installed program has one in
# section 1; each is compressed reproducibly (no file name or time stamp in
# the gzip header, as Debian wants) and formats without a single warning.
# Usage: check-man-pages.sh BIN_DIR MAN1_DIR
set -euo pipefail
bindir=$1 man1=$2

status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

for program in "$bindir"/*; do
    name=$(basename "$program")
    if [ ! -f "$man1/$name.1.gz" ]; then
        fail "$name has no manual page $man1/$name.1.gz"
    fi
done

pages=0
for page in "$man1"/*; do
    pages=$((pages + 1))
    if ! gzip -t "$page" 2>/dev/null; then
        fail "$page is not gzip-compressed"
        continue
    fi
    # Header: ID1 ID2 CM FLG MTIME(4). FLG bit 3 says a file name follows.
    read -r -a header < <(od -An -tu1 -N8 "$page")
    if (((header[3] & 8) != 0)) || [ "${header[*]:4:4}" != "0 0 0 0" ]; then
        fail "$page keeps a file name or time stamp in its gzip header (compress with gzip -n)"
    fi
    # The way lintian formats a page; groff and man report problems on stderr.
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) || fail "man cannot format $page"
    if [ -n "$warnings" ]; then
        fail "$page formats with warnings:"
        echo "$warnings" >&2
    fi
done
if [ $pages -eq 0 ]; then
    fail "no manual pages in $man1"
fi

[ $status -eq 0 ] && echo "$pages manual pages, one for each program, compressed reproducibly, no warnings"
exit $status
