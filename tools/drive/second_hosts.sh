#!/usr/bin/env bash
# Hosts beside the PC on a bridge of the isolated LAN, each in a network
# namespace of its own joined to the bridge by a veth pair: a camera or a
# printer holding an address that a plan wants. Runs only inside
# tools/isolated-lan.sh.
#
#   second_hosts.sh BRIDGE PC_ADDRESS/PREFIX HOST_ADDRESS/PREFIX[:silent]...
#
# Makes the bridge with the PC's address and prints "ADDRESS MAC PID" for
# each host once it is up. A ":silent" host drops pings and answers only
# address resolution. A host lasts until its process is killed, five
# minutes at most, so none outlives a test that crashed.
set -euo pipefail
bridge=$1 pc=$2
shift 2

# Never beside a machine's own interfaces: only loopback and what tests make.
if ip -o link show | grep -v -E '^[0-9]+: (lo|orbt[^:@]*)[:@]' | grep -q .; then
    echo "second_hosts: not in an isolated network namespace; refusing to run" >&2
    exit 1
fi

ip link add "$bridge" type bridge
ip addr add "$pc" dev "$bridge"
ip link set "$bridge" up
own_namespace=$(readlink /proc/self/ns/net)
n=0
for host in "$@"; do
    n=$((n + 1))
    address=${host%%:*}
    unshare --net sleep 300 </dev/null >/dev/null 2>&1 &
    pid=$!
    while [ "$(readlink "/proc/$pid/ns/net")" = "$own_namespace" ]; do sleep 0.01; done
    ip link add "orbt$n" type veth peer name "orbth$n"
    ip link set "orbth$n" netns "$pid"
    ip link set "orbt$n" master "$bridge" up
    nsenter -t "$pid" -n sh -c "ip link set lo up && ip addr add $address dev orbth$n && ip link set orbth$n up"
    if [ "$host" != "${host%:silent}" ]; then
        nsenter -t "$pid" -n sysctl -qw net.ipv4.icmp_echo_ignore_all=1
    fi
    mac=$(nsenter -t "$pid" -n ip -o link show "orbth$n" | sed -n 's|.* link/ether \([0-9a-f:]*\) .*|\1|p')
    echo "${address%/*} ${mac^^} $pid"
done
