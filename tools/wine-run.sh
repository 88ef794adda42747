#!/usr/bin/env bash
# wine-run.sh STATEDIR PROGRAM.exe ARGS...: runs one Windows test program in
# the environment that wine-env.sh started, passing its exit status through.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
state=$1; shift
export WINEPREFIX="${QV_WINEPREFIX:-$root/build/wineprefix}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -f "$state/display" ]; then export DISPLAY=$(cat "$state/display"); else unset DISPLAY; fi
# Tags every Windows process started here so that leftovers can be found.
export QUORVIK_TEST_RUN=$$
# Wine's helper processes (services, explorer) outlive the program and keep
# whatever output it had open; through a pipe, ctest would wait for them for
# ever. The program writes to files, which are copied out once it exits.
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
wine "$@" </dev/null >"$out" 2>"$err"
status=$?
cat "$out"
# The wrapper's note about a missing 32-bit Wine is noise on every run.
grep -v -e 'wine32 is missing' -e 'multiarch' -e 'dpkg --add-architecture' -e 'apt-get install wine32' "$err" >&2
exit $status
