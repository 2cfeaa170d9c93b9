#!/usr/bin/env bash
# Checks that the manual page of zavir2-cli documents exactly the options the
# program's --help lists, with the same field defaults and, for each
# question, the same answers under the same numbers and the same default.
# Usage: check-cli-man-page.sh ZAVIR2_CLI MAN_PAGE_GZ
set -euo pipefail
cli=$1 page=$2

# Both sides become lines of "option NAME", "default NAME VALUE" and
# "answer NAME NUMBER CAPTION [default]".
from_help() {
    "$cli" --help | awk '
        /^  --/ {
            match($0, /--[a-z-]+/)
            option = substr($0, RSTART, RLENGTH)
            print "option " option
            if (match($0, /\(default "[^"]*"\)/))
                print "default " option " " substr($0, RSTART + 10, RLENGTH - 12)
            next
        }
        /^      [0-9]+  / {
            line = $0
            sub(/^ +/, "", line)
            number = line; sub(/ .*/, "", number)
            caption = line; sub(/^[0-9]+  /, "", caption)
            mark = ""
            if (sub(/  \(default\)$/, "", caption)) mark = " default"
            print "answer " option " " number " " caption mark
        }'
}

# From the page source: an option is a ".TP" paragraph tagged with it, an
# answer a ".TP 4" paragraph tagged with its number, whose text is the caption,
# a translation in brackets and ", the default" for the default answer.
from_page() {
    zcat "$page" | awk '
        { gsub(/\\-/, "-") }
        previous == ".TP" && /^\.BI? --[a-z-]+/ {
            option = $2
            print "option " option
        }
        /^Default: / && option != "" {
            value = $0
            sub(/^Default: /, "", value); sub(/\.$/, "", value)
            print "default " option " " value
        }
        before == ".TP 4" && previous ~ /^\.B [0-9]+$/ {
            number = previous; sub(/^\.B /, "", number)
            caption = $0
            mark = ""
            if (sub(/, the default$/, "", caption)) mark = " default"
            sub(/ \([^()]*\)$/, "", caption)
            print "answer " option " " number " " caption mark
        }
        /^\.SH/ && $2 != "OPTIONS" { option = "" }
        { before = previous; previous = $0 }'
}

help_lines=$(from_help | LC_ALL=C sort)
page_lines=$(from_page | LC_ALL=C sort)
if [ -z "$help_lines" ]; then
    echo "FAIL: found no options in the output of $cli --help" >&2
    exit 1
fi
if ! difference=$(diff <(echo "$help_lines") <(echo "$page_lines")); then
    echo "FAIL: the manual page and --help disagree ('<' only in --help, '>' only in the page):" >&2
    echo "$difference" >&2
    exit 1
fi
echo "the manual page documents all $(grep -c '^option' <<<"$help_lines") options and" \
    "$(grep -c '^answer' <<<"$help_lines") answers of --help"
