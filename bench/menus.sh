#!/usr/bin/env bash
# bench/menus.sh [LINES] [CYCLES]: how long Quorvik's File drop-down and its
# change list's pop-up menu take to open under Wine, over a report of LINES
# lines (default 200000): the first opening (caches built) and the median and
# slowest of CYCLES more (default 30). Needs the win64 build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake --build "$root/build/win64" --target quorvik_menu_bench >/dev/null
state=$(mktemp -d)
trap '"$root/tools/wine-env.sh" stop "$state"; rm -rf "$state"' EXIT
"$root/tools/wine-env.sh" start "$state" >/dev/null
"$root/tools/wine-run.sh" "$state" "$root/build/win64/bench/quorvik_menu_bench.exe" "${1:-200000}" "${2:-30}"
