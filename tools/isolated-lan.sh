#!/usr/bin/env bash
# Runs a command on a private network of its own: fresh network and IPC
# namespaces holding only the loopback interface, with multicast on and
# 239.0.0.0/8 routed to it. Switch traffic and the single-instance lock of the
# command never meet the machine's real interfaces or another run. A private
# mount namespace lets tests mount scratch file systems of their own.
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
exec "$@"
