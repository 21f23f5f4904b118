#!/usr/bin/env bash
# The simulated LAN of the demo, run inside tools/isolated-lan.sh: the switch
# simulator's default fleet, the reference cloud service on 127.0.0.1:8443, and
# the program, in RUN_DIR, given PROGRAM_ARGS (--cloud for the cloud mode).
# Without a display the program runs under Xvfb for a short while and a
# screenshot is saved.
#
#   demo-lan.sh BUILD_DIR RUN_DIR [PROGRAM_ARGS...]
set -euo pipefail
build=$1
run_dir=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)

cd "$run_dir"
[ -f certs/ca.pem ] || "$here/cloud-sim/make-test-certs.sh" certs
cat > Settings.ini.cloud <<INI
cloud_host=127.0.0.1:8443
cloud_ca_file=$run_dir/certs/ca.pem
INI
# Keep the user's other settings; point the cloud link at the local service.
touch Settings.ini
grep -v -E '^(cloud_host|cloud_ca_file)=' Settings.ini > Settings.ini.rest || true
{ grep -q '^\[General\]' Settings.ini.rest || echo '[General]'; cat Settings.ini.rest; } > Settings.ini.new
sed -i '/^\[General\]/r Settings.ini.cloud' Settings.ini.new
mv Settings.ini.new Settings.ini
rm -f Settings.ini.rest Settings.ini.cloud

"$build/tools/switch-sim/switch-sim" --control "$run_dir/sim-control" > switch-sim.log 2>&1 &
"$build/tools/cloud-sim/cloud-sim" --port 8443 --cert certs/server.pem --key certs/server-key.pem \
    --seed "$here/cloud-sim/seeds/demo.json" > cloud-sim.log 2>&1 &
# The verification codes the service "sends" appear here, to register and
# change the mobile number by hand.
tail -n 0 -F cloud-sim.log 2>/dev/null | grep --line-buffered 'verification code' &
trap 'pkill -P $$ || true' EXIT
sleep 1
echo "Simulated LAN ready: 7 switches on interface \"lo\" (see docs/switch-simulator.md),"
echo "the cloud service on https://127.0.0.1:8443/ (docs/cloud-service.md). Logs: $run_dir/*.log"
echo "Power switches up and down from another terminal, for example:"
echo "  $build/tools/switch-sim/switch-sim --send $run_dir/sim-control mute ORB24080001"
if [[ " $* " == *" --cloud "* ]]; then
    echo "Cloud mode: press \"login\" and sign in with mobile 13800000001, password Secret-1"
    echo "(or register a new account: its verification code is printed here)."
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    "$build/pcorb" "$@"
    exit
fi
screenshot="$run_dir/demo.png"
echo "No display found: running the program under Xvfb for a short while to take a screenshot."
xvfb-run -a -s "-screen 0 1600x900x24 -noreset" sh -c "
    '$build/pcorb' $* > pcorb.log 2>&1 &
    program=\$!
    sleep 12
    import -window root '$screenshot'
    kill \$program" || true
if [ -f "$screenshot" ]; then
    echo "Screenshot of the program: $screenshot"
else
    echo "No screenshot could be taken (is imagemagick installed?)." >&2
    exit 1
fi
