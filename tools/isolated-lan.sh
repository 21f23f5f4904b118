#!/usr/bin/env bash
# Runs a command on a private network of its own: fresh network and IPC
# namespaces holding only the loopback interface, with multicast on and
# 239.0.0.0/8 routed to it. Switch traffic and the single-instance lock of the
# command never meet the machine's real interfaces or another run. A private
# mount namespace lets tests mount scratch file systems of their own, and
# holds a private temporary folder: the X server's display lock and socket,
# and the program's single-instance key files, are made there, so two runs on
# one machine never see each other's. With ISOLATED_LAN_DISPLAY=1 the X
# server sockets of the machine's own display stay reachable (tools/run.sh
# sets it when it shows the program on a display).
#
#   tools/isolated-lan.sh COMMAND [ARG...]
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
    if [ "$(id -u)" = 0 ]; then
        exec unshare --net --ipc --mount -- "$0" --inside "$@"
    fi
    # Without root, a user namespace makes the same possible where it is allowed.
    exec unshare --map-root-user --net --ipc --mount -- "$0" --inside "$@"
fi
shift

# Refuse to run anywhere but in an empty network namespace.
if ip -o link show | grep -v -q ': lo:'; then
    echo "isolated-lan: not in a private network namespace; refusing to run" >&2
    exit 1
fi
ip link set lo up
ip link set lo multicast on
ip route add 239.0.0.0/8 dev lo

# The folders under /tmp that the command needs (its working folder, this
# script's checkout, the paths it is given) stay reachable through the new
# /tmp: each is mounted again from the old /tmp, which fd 3 still holds.
kept=("$PWD" "$(cd "$(dirname "$0")/.." && pwd)")
[ "${ISOLATED_LAN_DISPLAY:-}" != 1 ] || kept+=(/tmp/.X11-unix)
for arg in "$@"; do
    case $arg in /tmp/*) kept+=("$arg") ;; esac
done
exec 3</tmp
mount -t tmpfs -o mode=1777 isolated-tmp /tmp
for path in "${kept[@]}"; do
    case $path in /tmp/?*) ;; *) continue ;; esac
    top=${path#/tmp/}
    top=${top%%/*}
    if [ -e "/proc/self/fd/3/$top" ] && [ ! -e "/tmp/$top" ]; then
        if [ -d "/proc/self/fd/3/$top" ]; then mkdir "/tmp/$top"; else touch "/tmp/$top"; fi
        mount --no-canonicalize --bind "/proc/self/fd/3/$top" "/tmp/$top"
    fi
done
exec 3<&-
exec "$@"
