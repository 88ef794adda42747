#!/usr/bin/env bash
# wine-env.sh start|stop STATEDIR
# Starts a private Xvfb on a free display and a persistent wineserver for the
# project's prefix, recording what it started in STATEDIR; stop ends only those.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
cmd=${1:?start or stop}; state=${2:?state directory}
# QV_WINEPREFIX lets parallel work use a copy of the prefix.
export WINEPREFIX="${QV_WINEPREFIX:-$root/build/wineprefix}" WINEDEBUG=-all

start() {
  mkdir -p "$state"
  local n
  for n in $(seq 91 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    local pid=$!
    for _ in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.05
    done
    if [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$pid" 2>/dev/null; then
      echo ":$n" > "$state/display"; echo "$pid" > "$state/xvfb.pid"
      break
    fi
  done
  [ -f "$state/display" ] || { echo "wine-env: no free X display" >&2; exit 1; }
  # Exit status 2 means a server for this prefix already runs (make run, say):
  # it is used as it is and left alone at stop.
  wineserver -p 2>/dev/null && touch "$state/server"
  # Starts Wine's own services now, detached from any test's output.
  DISPLAY=$(cat "$state/display") wine cmd /c exit </dev/null >/dev/null 2>&1
  echo "wine-env: display $(cat "$state/display")"
}

stop() {
  [ -f "$state/server" ] && { wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; rm -f "$state/server"; }
  if [ -f "$state/xvfb.pid" ]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null
    rm -f "$state/xvfb.pid"
  fi
  rm -f "$state/display"
  return 0
}

case "$cmd" in
  start) stop; start ;;
  stop) stop ;;
  *) echo "usage: wine-env.sh start|stop STATEDIR" >&2; exit 2 ;;
esac
