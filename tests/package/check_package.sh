#!/usr/bin/env bash
# Builds the Debian package from a finished build, checks its contents with
# lintian, desktop-file-validate and appstreamcli, unpacks it into a scratch
# root and starts its launcher from an unrelated folder with a scratch HOME.
# Runs in the isolated namespaces under Xvfb.
#
#   check_package.sh BUILD_DIR
set -euo pipefail
build=$1
# Resolved, as the launcher and the program see it.
scratch=$(realpath "$(mktemp -d)")
program=
trap 'stop_program || true; rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits up to 60 s for a file to hold a text.
wait_for_text() {
    for _ in $(seq 300); do
        grep -q -F "$2" "$1" 2>/dev/null && return 0
        sleep 0.2
    done
    return 1
}

# Ends the program with SIGTERM, as a logout does; gives its exit status, or
# kills it and fails after 30 s.
stop_program() {
    [ -n "$program" ] || return 0
    kill -TERM "$program" 2>/dev/null || true
    for _ in $(seq 150); do
        kill -0 "$program" 2>/dev/null || { local pid=$program; program=; wait "$pid"; return; }
        sleep 0.2
    done
    kill -KILL "$program"
    program=
    return 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null
deb=$(echo "$scratch"/out/pcorb_*.deb)
[ -f "$deb" ] || fail "no package was made"
echo "--- $(basename "$deb")"
contents=$(dpkg-deb -c "$deb" | awk '{print $1, $6}')
echo "$contents"
for entry in "-rwxr-xr-x ./usr/bin/pcorb" "-rwxr-xr-x ./usr/lib/pcorb/pcorb" \
             "-rw-r--r-- ./usr/share/pcorb/app/index.html" \
             "-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/com.corvaneiot.pcorb.svg" \
             "-rw-r--r-- ./usr/share/icons/hicolor/256x256/apps/com.corvaneiot.pcorb.png" \
             "-rw-r--r-- ./usr/share/applications/com.corvaneiot.pcorb.desktop" \
             "-rw-r--r-- ./usr/share/applications/com.corvaneiot.pcorb.cloud.desktop" \
             "-rw-r--r-- ./usr/share/metainfo/com.corvaneiot.pcorb.metainfo.xml" \
             "-rw-r--r-- ./usr/share/man/man1/pcorb.1.gz" \
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
metainfo=$root/usr/share/metainfo/com.corvaneiot.pcorb.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "the metainfo is not valid"
version=$(dpkg-deb -f "$deb" Version)
zcat "$root/usr/share/doc/pcorb/changelog.gz" | sed -n 1p | grep -q -F "pcorb ($version)" &&
    grep -q -F "<release version=\"$version\"" "$metainfo" ||
    fail "the changelog or the metainfo does not name version $version first"

# The launcher hands its arguments over as they are, in the per-user folder,
# whichever way it is reached: a stand-in program shows what it was given.
real_program=$scratch/pcorb.real
mv "$root/usr/lib/pcorb/pcorb" "$real_program"
printf '#!/bin/sh\npwd\nfor a in "$@"; do echo "[$a]"; done\n' > "$root/usr/lib/pcorb/pcorb"
chmod +x "$root/usr/lib/pcorb/pcorb"
mkdir -p "$scratch/elsewhere" "$scratch/data/pcorb" "$scratch/home"
chmod 755 "$scratch/data/pcorb"
ln -s "$root/usr/bin/pcorb" "$scratch/linked launcher"
given=$(cd "$scratch/elsewhere" && HOME=$scratch/nobody XDG_DATA_HOME=$scratch/data \
        "$scratch/linked launcher" --cloud "two words")
[ "$given" = "$(printf '%s\n[--cloud]\n[two words]' "$scratch/data/pcorb")" ] ||
    fail "the launcher gave the program: $given"
[ "$(stat -c %a "$scratch/data/pcorb")" = 700 ] || fail "the per-user folder stayed open to others"
given=$(cd "$scratch/elsewhere" && HOME=$scratch/home XDG_DATA_HOME=relative "$root/usr/bin/pcorb")
[ "$given" = "$scratch/home/.local/share/pcorb" ] || fail "a relative XDG_DATA_HOME was used: $given"
rm "$scratch/data/pcorb/app" && mkdir "$scratch/data/pcorb/app"
! (cd "$scratch/elsewhere" && XDG_DATA_HOME=$scratch/data "$root/usr/bin/pcorb" 2>/dev/null) ||
    fail "the launcher started over a folder called app"
rm -rf "$scratch/home/.local" "$scratch/data"
mv "$real_program" "$root/usr/lib/pcorb/pcorb"

# The real program, started by the launcher from an unrelated folder.
home=$scratch/home
# The launcher and the subshell exec, so this is the program's own process.
(cd "$scratch/elsewhere" && exec env -u XDG_DATA_HOME HOME="$home" "$root/usr/bin/pcorb" > "$scratch/program.log" 2>&1) &
program=$!
wait_for_text "$scratch/program.log" "HTML application ready: file://$home/.local/share/pcorb/app/index.html" ||
    { cat "$scratch/program.log"; fail "the page did not load"; }

work=$home/.local/share/pcorb
[ "$(stat -c %a "$work")" = 700 ] || fail "the per-user folder is open to others"
[ "$(readlink "$work/app")" = "$root/usr/share/pcorb/app" ] || fail "app does not point at the installed page"
for made in config/device_info.json log tips.txt; do
    [ -e "$work/$made" ] || fail "the per-user folder lacks $made"
done
[ -z "$(ls -A "$scratch/elsewhere")" ] || fail "the program wrote into the folder it was started from"
stop_program || fail "the program did not end cleanly"
echo "package checked"
