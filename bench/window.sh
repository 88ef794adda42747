#!/usr/bin/env bash
# bench/window.sh [SIZES...]: the change list in Quorvik's real main window
# against qv.exe under the same Wine. For each size N, an empty collection of
# a tree of N files is compared, so the report has N+2 lines (header, N new
# files, end line); then Save Changes to File, deleting one listed file and
# Clear List are timed on that report. Needs the win64 build (make build-win64)
# and a host build of the tree maker. Trees go to $BENCH_DIR (default
# /tmp/qv-window-bench); the largest size's window is saved, scrolled to the
# report's end, as build/screenshots/window-report-N.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sizes=("$@"); ((${#sizes[@]})) || sizes=(1000 20000 115500 231000)
work=${BENCH_DIR:-/tmp/qv-window-bench}
win="$root/build/win64"
maketree="$root/build/host/bench/qv_bench_tree"
if [ ! -x "$maketree" ]; then
  cmake -S "$root" -B "$root/build/host" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/build/host" --target qv_bench_tree >/dev/null
fi
cmake --build "$win" --target qv quorvik_window_bench >/dev/null
state=$(mktemp -d)
trap '"$root/tools/wine-env.sh" stop "$state"; rm -rf "$state"' EXIT
"$root/tools/wine-env.sh" start "$state" >/dev/null
run() { "$root/tools/wine-run.sh" "$state" "$@"; }
winpath() { echo "Z:${1//\//\\}"; }
mkdir -p "$root/build/screenshots"

printf '%-8s %-8s %10s %10s %6s %8s %8s %10s %8s %9s %8s\n' \
  files lines window_s qv.exe_s ratio save_s delete_s recreate_s clear_s max_gap_s statuses
last=${sizes[$((${#sizes[@]} - 1))]}
for n in "${sizes[@]}"; do
  tree="$work/tree$n"
  rm -rf "$work"; mkdir -p "$tree"
  # The collection is made while the tree is still empty: it records the root
  # and no file, so every file of the tree is new to the compare.
  run "$win/cli/qv.exe" scan "$(winpath "$tree")" -o "$(winpath "$work/empty.qv")" >/dev/null
  "$maketree" "$tree" "$n"
  find "$tree" >/dev/null
  start=$(date +%s.%N)
  run "$win/cli/qv.exe" compare "$(winpath "$work/empty.qv")" >/dev/null || true
  end=$(date +%s.%N)
  qvs=$(awk -v a="$start" -v b="$end" 'BEGIN{printf "%.3f", b-a}')
  shot=()
  [ "$n" = "$last" ] && shot=("$(winpath "$root/build/screenshots/window-report-$n.bmp")")
  out=$(run "$win/bench/quorvik_window_bench.exe" "$(winpath "$work/empty.qv")" "$(winpath "$work/report.txt")" "${shot[@]}")
  read -r _ lines _ cmp _ save _ del _ deleted _ recreate _ shown _ clear _ gap _ statuses <<<"$out"
  [ "$lines" -eq $((n + 2)) ] || echo "window report has $lines lines, not $((n + 2))" >&2
  [ "$(wc -l <"$work/report.txt")" -eq $((n + 2)) ] || echo "saved report is not $((n + 2)) lines" >&2
  [ "$deleted" -eq 1 ] || echo "delete removed $deleted lines" >&2
  [ "$shown" -eq $((n + 1)) ] || echo "the new list window shows $shown lines, not $((n + 1))" >&2
  awk -v n="$n" -v l="$lines" -v w="$cmp" -v q="$qvs" -v s="$save" -v d="$del" -v r="$recreate" -v c="$clear" \
    -v g="$gap" -v st="$statuses" \
    'BEGIN{printf "%-8s %-8s %10.3f %10.3f %6.2f %8.3f %8.3f %10.3f %8.3f %9.3f %8s\n", n, l, w, q, w/q, s, d, r, c, g, st}'
  if [ "$n" = "$last" ]; then
    convert "$root/build/screenshots/window-report-$n.bmp" "$root/build/screenshots/window-report-$n.png"
  fi
done
rm -rf "$work"
