#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need,
# when any is missing. Safe to run again.
set -euo pipefail

packages=(
    build-essential cmake pkg-config clang libclang-rt-14-dev
    qtbase5-dev qtwebengine5-dev libqt5webchannel5-dev qttools5-dev qttools5-dev-tools
    libcjson-dev libcpp-httplib-dev libssl-dev openssl
    iproute2 util-linux xvfb xauth x11-utils imagemagick fonts-wqy-microhei poppler-utils
    dpkg-dev file lintian desktop-file-utils appstream python3
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} = 0 ] && exit 0

sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
