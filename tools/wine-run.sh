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
# The wrapper's note about a missing 32-bit Wine is noise on every run.
exec wine "$@" 2> >(grep -v -e 'wine32 is missing' -e 'multiarch' -e 'dpkg --add-architecture' -e 'apt-get install wine32' >&2)
