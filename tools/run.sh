#!/usr/bin/env bash
# Builds the program and starts it inside its own isolated namespaces, so it
# can reach nothing but a private loopback network. Its working folder is
# build/run (settings, projects and logs stay there between runs).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j"$(nproc)"

run_dir=build/run
mkdir -p "$run_dir"
ln -sfn ../../app "$run_dir/app"
program=$(pwd)/build/release/pcorb
cd "$run_dir"

if [ -n "${DISPLAY:-}" ]; then
    exec ../../tools/isolated-lan.sh "$program"
fi
echo "No display found: starting the program under Xvfb (stop it with Ctrl+C)."
exec ../../tools/isolated-lan.sh xvfb-run -a -s "-screen 0 1600x900x24" "$program"
