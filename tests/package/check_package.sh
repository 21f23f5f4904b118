#!/usr/bin/env bash
# Builds the Debian package from a finished build, checks its contents with
# lintian, desktop-file-validate and appstreamcli, unpacks it into a scratch
# root and starts its launcher from an unrelated folder with a scratch HOME.
# Runs in the isolated namespaces under Xvfb.
#
#   check_package.sh BUILD_DIR SCREENSHOT_DIR
set -euo pipefail
build=$1
screenshots=$2
scratch=$(mktemp -d)
trap 'pkill -P $$ || true; rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits up to 60 s for a file to hold a text.
wait_for_text() {
    for _ in $(seq 300); do
        grep -q -F "$2" "$1" 2>/dev/null && return 0
        sleep 0.2
    done
    return 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null
deb=$(echo "$scratch"/out/pcorb_*.deb)
[ -f "$deb" ] || fail "no package was made"
echo "--- $(basename "$deb")"
dpkg-deb -c "$deb" | awk '{print $1, $6}'
contents=$(dpkg-deb -c "$deb" | awk '{print $1, $6}')
for entry in "-rwxr-xr-x ./usr/bin/pcorb" "-rwxr-xr-x ./usr/lib/pcorb/pcorb" \
             "-rw-r--r-- ./usr/share/pcorb/app/index.html" \
             "-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/com.corvaneiot.pcorb.svg" \
             "-rw-r--r-- ./usr/share/applications/com.corvaneiot.pcorb.desktop" \
             "-rw-r--r-- ./usr/share/applications/com.corvaneiot.pcorb.cloud.desktop" \
             "-rw-r--r-- ./usr/share/metainfo/com.corvaneiot.pcorb.metainfo.xml" \
             "-rw-r--r-- ./usr/share/doc/pcorb/copyright" "-rw-r--r-- ./usr/share/doc/pcorb/changelog.gz"; do
    grep -q -x -F -- "$entry" <<<"$contents" || fail "the package lacks $entry"
done
dpkg-deb -f "$deb" Depends | grep -q libqt5webenginewidgets5 || fail "the dependencies were not worked out"

echo "--- lintian"
lintian --fail-on error,warning "$deb" || fail "lintian found faults"
root=$scratch/root
dpkg-deb -x "$deb" "$root"
file "$root/usr/lib/pcorb/pcorb" | grep -q ', stripped' || fail "the program is not stripped"
desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "a desktop entry is not valid"
grep -q -x 'Exec=pcorb --cloud' "$root/usr/share/applications/com.corvaneiot.pcorb.cloud.desktop" ||
    fail "the cloud entry does not start the cloud mode"
appstreamcli validate --no-net "$root/usr/share/metainfo/com.corvaneiot.pcorb.metainfo.xml" ||
    fail "the metainfo is not valid"

# The launcher hands its arguments over as they are, in the per-user folder:
# a stand-in program shows what it was given.
real_program=$scratch/pcorb.real
mv "$root/usr/lib/pcorb/pcorb" "$real_program"
printf '#!/bin/sh\npwd\nfor a in "$@"; do echo "[$a]"; done\n' > "$root/usr/lib/pcorb/pcorb"
chmod +x "$root/usr/lib/pcorb/pcorb"
mkdir -p "$scratch/elsewhere" "$scratch/data"
given=$(cd "$scratch/elsewhere" && HOME=$scratch/nobody XDG_DATA_HOME=$scratch/data \
        "$root/usr/bin/pcorb" --cloud "two words")
[ "$given" = "$(printf '%s\n[--cloud]\n[two words]' "$scratch/data/pcorb")" ] ||
    fail "the launcher gave the program: $given"
mv "$real_program" "$root/usr/lib/pcorb/pcorb"

# The real program, started by the launcher from an unrelated folder.
home=$scratch/home
mkdir -p "$home"
# The launcher and the subshell exec, so this is the program's own process.
(cd "$scratch/elsewhere" && exec env -u XDG_DATA_HOME HOME="$home" "$root/usr/bin/pcorb" > "$scratch/program.log" 2>&1) &
program=$!
wait_for_text "$scratch/program.log" "HTML application ready: file://$home/.local/share/pcorb/app/index.html" ||
    { cat "$scratch/program.log"; fail "the page did not load"; }
mkdir -p "$screenshots"
sleep 2 # let the page paint
import -window root "$screenshots/package-launcher.png" || true

work=$home/.local/share/pcorb
[ "$(stat -c %a "$work")" = 700 ] || fail "the per-user folder is open to others"
[ "$(readlink "$work/app")" = "$root/usr/share/pcorb/app" ] || fail "app does not point at the installed page"
for made in config/device_info.json log tips.txt; do
    [ -e "$work/$made" ] || fail "the per-user folder lacks $made"
done
[ -z "$(ls -A "$scratch/elsewhere")" ] || fail "the program wrote into the folder it was started from"
kill -TERM "$program"
wait "$program" || fail "the program did not end cleanly"
echo "package checked"
