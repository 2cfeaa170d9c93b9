#!/usr/bin/env bash
# Checks the AppStream content rating, which appstreamcli of Debian 12 does
# not look into: an OARS 1.1 rating whose every attribute is one OARS 1.1
# defines, with a value it allows, each given once; and the alcohol theme
# declared, as drinking is what the program is about. A misspelt attribute
# would otherwise count as "none" and rate the program for all ages.
# Usage: check-content-rating.sh METAINFO
set -euo pipefail
metainfo=$1

# The attributes of OARS 1.1.
known=" violence-cartoon violence-fantasy violence-realistic violence-bloodshed violence-sexual
violence-desecration violence-slavery violence-worship drugs-alcohol drugs-narcotics drugs-tobacco
sex-nudity sex-themes sex-homosexuality sex-prostitution sex-adultery sex-appearance
language-profanity language-humor language-discrimination social-chat social-info social-audio
social-location social-contacts money-purchasing money-gambling "
known=$(tr '\n' ' ' <<<"$known")

status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

ratings=$(grep -c '<content_rating' "$metainfo" || true)
oars=$(grep -c '<content_rating type="oars-1.1">' "$metainfo" || true)
if [ "$ratings" -ne 1 ] || [ "$oars" -ne 1 ]; then
    fail "$metainfo has $ratings content ratings, $oars of them OARS 1.1: it needs one, OARS 1.1"
fi

declare -A seen=()
while read -r id value; do
    [[ $known == *" $id "* ]] || fail "content attribute '$id' is not one of OARS 1.1"
    [[ $value =~ ^(none|mild|moderate|intense)$ ]] || fail "content attribute $id has the value '$value'"
    [ -z "${seen[$id]:-}" ] || fail "content attribute $id is given twice"
    seen[$id]=$value
done < <(sed -n 's|.*<content_attribute id="\([^"]*\)">\([^<]*\)</content_attribute>.*|\1 \2|p' "$metainfo")

case "${seen[drugs-alcohol]:-none}" in
none) fail "the content rating does not declare drugs-alcohol" ;;
esac

if [ $status -eq 0 ]; then
    echo "OARS 1.1 rating:"
    for id in "${!seen[@]}"; do
        echo "  $id ${seen[$id]}"
    done
fi
exit $status
