#!/usr/bin/env bash
# Takes the pictures for the README and for review: the window and the page in
# the local and the cloud mode, the prompts and the questions, and the site
# report's pages, in English and Chinese. Runs on a simulated LAN inside
# private network and IPC namespaces, under Xvfb, and saves them in
# build/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j"$(nproc)" --target screenshot_tour

out=$(pwd)/build/screenshots
rm -rf "$out"
# The web view's sandbox cannot run as root.
[ "$(id -u)" != 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
# Bounded: a window the tour does not expect must not hold it for ever.
timeout 600 tools/isolated-lan.sh xvfb-run -a -s "-screen 0 1600x900x24 -noreset" \
    build/release/tools/screenshots/screenshot_tour "$out" tools/cloud-sim/seeds/demo.json
# The site reports' first two pages, as the PDF files show them.
for pdf in "$out"/site-report-*.pdf; do
    pdftoppm -r 80 -png -f 1 -l 2 "$pdf" "${pdf%.pdf}-page"
    ls "${pdf%.pdf}"-page-*.png
done
