#!/usr/bin/env bash
# Checks that the newest release in the AppStream metadata and the newest
# entry of the Debian changelog are the project's version, on the release
# day the build knows, so that a version bump cannot leave one of them behind.
# Usage: check-release.sh VERSION DATE METAINFO CHANGELOG
set -euo pipefail
version=$1 day=$2 metainfo=$3 changelog=$4

status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

# The first <release> is the newest: AppStream lists releases newest first.
release=$(grep -m1 -o '<release [^>]*>' "$metainfo" || true)
release_version=$(sed -n 's/.* version="\([^"]*\)".*/\1/p' <<<"$release")
release_day=$(sed -n 's/.* date="\([^"]*\)".*/\1/p' <<<"$release")
[ "$release_version" = "$version" ] ||
    fail "the newest release in $metainfo is '$release_version', the project is $version"
[ "$release_day" = "$day" ] ||
    fail "release $release_version in $metainfo is dated '$release_day', not $day"

changelog_version=$(dpkg-parsechangelog -l "$changelog" -S Version)
# The day as written, "Fri, 11 Dec 2026 12:00:00 +0000", whatever the offset.
changelog_day=$(dpkg-parsechangelog -l "$changelog" -S Date | awk '{ print $2, $3, $4 }')
changelog_day=$(date -d "$changelog_day" +%F)
[ "$changelog_version" = "$version" ] ||
    fail "the newest entry in $changelog is '$changelog_version', the project is $version"
[ "$changelog_day" = "$day" ] ||
    fail "entry $changelog_version in $changelog is dated $changelog_day, not $day"

[ $status -eq 0 ] && echo "metadata and changelog: version $version of $day"
exit $status
