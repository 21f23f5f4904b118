#!/usr/bin/env bash
# Fails when a user-visible text in the sources has no finished translation in
# a catalogue: the catalogues are brought up to date with the sources in a
# scratch copy, then searched for unfinished entries.
#
#   check_catalogues.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
src=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

status=0
source_dirs=(shell codec device cloud projects ui)
for ts in "$src"/resources/languages/*.ts; do
    copy="$scratch/$(basename "$ts")"
    cp "$ts" "$copy"
    if ! out=$(cd "$src" && "$lupdate" -locations none -no-obsolete "${source_dirs[@]}" -ts "$copy" 2>&1) ||
        grep -q "won't be updated" <<<"$out"; then
        echo "$(basename "$ts"): lupdate could not update it:"
        echo "$out"
        status=1
        continue
    fi
    unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
    if [ "$unfinished" != 0 ]; then
        echo "$(basename "$ts"): $unfinished unfinished entries:"
        grep -B1 'type="unfinished"' "$copy" | grep '<source>' | sed 's/^ */  /'
        status=1
    fi
    if ! cmp -s "$ts" "$copy"; then
        echo "$(basename "$ts") is out of date with the sources (run tools/update-translations.sh):"
        diff "$ts" "$copy" | head -20
        status=1
    fi
done
[ $status = 0 ] && echo "catalogues complete"
exit $status
