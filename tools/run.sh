#!/usr/bin/env bash
# make run: starts Quorvik in the project's Wine prefix. With a display
# (DISPLAY set) its window opens there; without one, on a private virtual
# display, where a screenshot of the running window is saved before it closes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe="$root/build/win64/app/Quorvik.exe"
shots="$root/build/screenshots"
export WINEPREFIX="$root/build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Starting Quorvik on display $DISPLAY (close its window to end)"
  exec wine "$exe" 2> >(grep -v -e 'wine32 is missing' -e 'multiarch' -e 'dpkg --add-architecture' -e 'apt-get install wine32' >&2)
fi

state=$(mktemp -d)
trap '"$root/tools/wine-env.sh" stop "$state"; rm -rf "$state"' EXIT
"$root/tools/wine-env.sh" start "$state" >/dev/null
export DISPLAY=$(cat "$state/display")
echo "No display: starting Quorvik on a virtual display ($DISPLAY)"
wine "$exe" </dev/null >/dev/null 2>&1 &
# The first start in a new prefix builds Wine's font cache, which takes a while.
if ! window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Quorvik V5\.0$' 2>/dev/null | head -1); then
  echo "Quorvik's window did not appear" >&2
  exit 1
fi
sleep 1
mkdir -p "$shots"
import -window root -crop 800x600+0+0 +repage "$shots/quorvik-running.png"
echo "Quorvik is running; screenshot saved as $shots/quorvik-running.png"
# Stopping the private Wine server (on exit) ends the program with it.
