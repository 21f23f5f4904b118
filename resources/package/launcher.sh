#!/bin/sh
# Starts the program in a working folder of the user's own, whatever folder it
# is started from: the program reads and writes Settings.ini, config/, log/,
# tips.txt and app/ in its working folder. That folder is made private, and
# its app/ points at the HTML application installed beside this launcher
# (found from the launcher's own place, so an unpacked package works too).
# Arguments, --cloud among them, go to the program.
set -eu

prefix=$(dirname "$(dirname "$(readlink -f "$0")")")
program="$prefix/lib/pcorb/pcorb"
page="$prefix/share/pcorb/app"
if [ ! -x "$program" ] || [ ! -f "$page/index.html" ]; then
    echo "pcorb: the installation under $prefix is incomplete: $program or $page/index.html is missing." >&2
    exit 1
fi

data_home=${XDG_DATA_HOME:-}
case $data_home in
    /*) ;;
    # A relative value would depend on the folder we were started from.
    *) data_home="${HOME:?HOME is not set}/.local/share" ;;
esac
work="$data_home/pcorb"

# Folders made here are the user's alone; a folder made earlier may be open
# to others, and holds passwords.
(umask 077 && mkdir -p "$work")
chmod 700 "$work"
if [ -e "$work/app" ] && [ ! -L "$work/app" ]; then
    echo "pcorb: $work/app is in the way: it should be a link to $page; move it aside and start again." >&2
    exit 1
fi
ln -sfn "$page" "$work/app"

cd "$work"
exec "$program" "$@"
