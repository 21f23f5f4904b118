#!/usr/bin/env bash
# Brings the translation catalogues up to date with the texts in the sources.
# New texts appear as unfinished entries to translate in resources/languages/.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt5/bin/lupdate}
source_dirs=()
for d in shell codec device cloud projects ui; do if [ -d "$d" ]; then source_dirs+=("$d"); fi; done
for ts in resources/languages/*.ts; do
    "$lupdate" -locations none -no-obsolete "${source_dirs[@]}" -ts "$ts"
done
