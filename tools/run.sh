#!/usr/bin/env bash
# Builds the program and starts it on a simulated LAN: inside private network
# and IPC namespaces with the switch simulator and the reference cloud
# service, so it reaches nothing but them. Its working folder is build/run
# (settings, projects and logs stay there between runs). Arguments go to the
# program: tools/run.sh --cloud starts it in the cloud mode.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j"$(nproc)"

run_dir=$(pwd)/build/run
mkdir -p "$run_dir"
ln -sfn ../../app "$run_dir/app"
# The web view's sandbox cannot run as root.
[ "$(id -u)" != 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
# On a display, its X socket stays reachable in the private /tmp.
[ -z "${DISPLAY:-}" ] || export ISOLATED_LAN_DISPLAY=1
exec tools/isolated-lan.sh tools/demo-lan.sh "$(pwd)/build/release" "$run_dir" "$@"
