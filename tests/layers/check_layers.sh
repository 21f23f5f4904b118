#!/usr/bin/env bash
# Fails when a file of a lower layer includes a widget header, or a file of
# a layer above it or beside it. The layers, from the top: shell/, ui/,
# projects/, then device/ and cloud/ side by side (neither includes the
# other), then codec/; tools/, tests/, bench/ and fuzz/ are above them all.
# Every file of projects/, device/, cloud/ and codec/ is read, and of ui/
# (which may use widgets, but not the shell).
#
#   check_layers.sh SOURCE_DIR WIDGET_HEADER_DIR...
set -euo pipefail
src=$1
shift
widget_dirs=("$@")
found=no
for dir in "${widget_dirs[@]}"; do [ -f "$dir/QWidget" ] && found=yes; done
[ $found = yes ] || { echo "no folder of widget headers among: ${widget_dirs[*]}"; exit 1; }

rank() {
    case $1 in
        codec) echo 0 ;;
        device | cloud) echo 1 ;;
        projects) echo 2 ;;
        ui) echo 3 ;;
        shell) echo 4 ;;
        tools | tests | bench | fuzz | app) echo 99 ;;
        *) echo -1 ;; # not ours, such as cjson/cJSON.h
    esac
}

is_widget_header() {
    local header=$1
    case $header in
        ui_*.h | QtWidgets/* | QtWebEngineWidgets/*) return 0 ;;
    esac
    for dir in "${widget_dirs[@]}"; do
        [ -f "$dir/$header" ] && return 0
    done
    return 1
}

faults=0
fault() {
    echo "$1"
    faults=$((faults + 1))
}

checked=0
for layer in codec device cloud projects ui; do
    own=$(rank "$layer")
    while IFS= read -r file; do
        checked=$((checked + 1))
        while IFS= read -r line; do
            header=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"].*/\1/' <<<"$line")
            if [[ $header == */* ]]; then
                top=${header%%/*}
                if [ "$top" != "$layer" ] && [ "$(rank "$top")" -ge "$own" ]; then
                    fault "$file includes $header, from a layer above or beside $layer/"
                fi
            fi
            if [ "$layer" != ui ] && is_widget_header "$header"; then
                fault "$file includes the widget header $header"
            fi
        done < <(grep -E '^[[:space:]]*#[[:space:]]*include' "$src/$file" || true)
    done < <(cd "$src" && find "$layer" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)
done

[ "$checked" -ge 20 ] || { echo "only $checked files found under $src: wrong source folder?"; exit 1; }
[ "$faults" = 0 ] || { echo "$faults include(s) against the layers"; exit 1; }
echo "$checked files keep to their layers"
