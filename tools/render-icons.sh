#!/usr/bin/env bash
# Renders the icons from their SVG sources in resources/qss/src into the PNGs
# (and the window's .ico) that are compiled into the program. Run after
# changing an SVG; the results are committed. Needs librsvg2-bin and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/../resources/qss"
render() { rsvg-convert -w "$2" -h "$2" "src/$1.svg" -o "$1.png"; }
render logo_radius 256
render update 64
render switch 64
render lock 64
render visible 64
render delet 64
render shanchu 64
render tianjia 64
render details 64
render texture 64
render user 64
for size in 16 32 48; do rsvg-convert -w $size -h $size src/logo_radius.svg -o /tmp/logo_$size.png; done
convert /tmp/logo_16.png /tmp/logo_32.png /tmp/logo_48.png logo_radius.png logo_radius.ico
rm -f /tmp/logo_16.png /tmp/logo_32.png /tmp/logo_48.png
