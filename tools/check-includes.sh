#!/bin/bash
# Checks the include graph of the sources: every include points to its own
# layer or one below (so no circle runs between folders), no file includes
# itself through others, and no module reaches itself through others (a
# module is X.h, X.cpp and X_*.cpp of one folder). Prints each fault and
# fails on one.
#   tools/check-includes.sh [source-root]
#   tools/check-includes.sh --self-test   (made-up trees: each fault is found)
set -euo pipefail

if [ "${1:-}" = --self-test ]; then
  self=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  # tree NAME FILE:INCLUDE... makes a tree whose FILE includes INCLUDE.
  tree() {
    local dir=$scratch/$1 pair file
    shift
    for pair in "$@"; do
      file=$dir/${pair%%:*}
      mkdir -p "$(dirname "$file")"
      touch "$file"
      [ "${pair#*:}" = "$pair" ] || echo "#include \"${pair#*:}\"" >>"$file"
    done
    echo "$dir"
  }
  # expect STATUS MESSAGE TREE: the check exits with STATUS and prints MESSAGE.
  expect() {
    local out status=0
    out=$("$self" "$3" 2>&1) || status=$?
    if [ "$status" -ne "$1" ] || ! grep -q "$2" <<<"$out"; then
      echo "self-test: wanted status $1 and \"$2\" from $3, got status $status:"
      echo "$out"
      exit 1
    fi
  }
  o=framework/objects
  expect 0 'no circle' "$(tree clean $o/A.h $o/A.cpp:$o/A.h $o/A_posix.cpp:$o/A.h $o/B.h:$o/A.h $o/B.cpp:$o/B.h)"
  expect 1 'module loop' "$(tree modules $o/A.h $o/A.cpp:$o/B.h $o/B.h:$o/A.h $o/B.cpp:$o/B.h)"
  expect 1 'module loop' "$(tree parts $o/A.h $o/A_win32.cpp:$o/B.h $o/B.h:$o/A.h)"
  expect 1 'loop' "$(tree files $o/A.h:$o/B.h $o/B.h:$o/A.h)"
  expect 1 'upward include' "$(tree upward util/U.h:$o/A.h $o/A.h)"
  expect 0 "note: module loop" "$(tree elsewhere ui/A.h ui/A.cpp:ui/B.h ui/B.h:ui/A.h)"
  echo "include check self-test: clean tree passes; module loop, file loop and upward include fail"
  exit 0
fi

root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

# Layers from the bottom up; a folder may include its own layer and below.
layers='
util 0
engine 1
platform 2
framework/objects 3
framework/win32 4
framework/graphics 5
framework/menus 6
framework/controls 7
framework/forms 8
persist 9
ui/common 10
ui 11
app 12
cli 12
bench 13
tests 13
'

dirs=$(for d in util engine platform framework persist ui app cli bench tests; do if [ -d "$d" ]; then echo "$d"; fi; done)
# shellcheck disable=SC2086
edges=$(find $dirs \( -name '*.cpp' -o -name '*.h' \) -print | sort |
        xargs grep -Ho '^#include "[^"]*"' |
        sed 's/:#include "\(.*\)"$/ \1/' || true)

faults=$(awk -v layers="$layers" '
  function rank(path,   best, len, p) {
    best = -1; len = -1
    for (p in R)
      if ((path == p || index(path, p "/") == 1) && length(p) > len) { best = R[p]; len = length(p) }
    return best
  }
  BEGIN {
    n = split(layers, L, "\n")
    for (i = 1; i <= n; i++) if (split(L[i], f, " ") == 2) R[f[1]] = f[2]
  }
  {
    from = rank($1); to = rank($2)
    if (to < 0) print "unknown layer: " $1 " includes " $2
    else if (to > from) print "upward include: " $1 " includes " $2
  }' <<<"$edges")

# tsort names a loop when there is one.
loops=$(awk '$1 != $2' <<<"$edges" | tsort 2>&1 >/dev/null || true)

# The same between modules: a .cpp of one module including the header of
# another whose own files include the first one's header is a circle that
# the graph of files does not show.
# shellcheck disable=SC2086
headers=$(find $dirs -name '*.h' -print)
module_edges=$(awk -v headers="$headers" '
  function module(path,   dir, base, stem, cut) {
    dir = path; sub(/\/[^\/]*$/, "", dir)
    base = path; sub(/^.*\//, "", base)
    stem = base; sub(/\.[^.]*$/, "", stem)
    cut = index(stem, "_")
    if (cut > 1 && base ~ /\.cpp$/ && ((dir "/" substr(stem, 1, cut - 1) ".h") in H)) stem = substr(stem, 1, cut - 1)
    return dir "/" stem
  }
  BEGIN { n = split(headers, A, "\n"); for (i = 1; i <= n; i++) H[A[i]] = 1 }
  { from = module($1); to = module($2); if (from != to) print from, to }' <<<"$edges" | sort -u)
# Enforced in these folders; loops elsewhere are listed as notes until their
# folders are cut too.
module_checked='util engine platform framework'
module_report=$(tsort <<<"$module_edges" 2>&1 >/dev/null | awk -v checked="$module_checked" '
  function flush(   i, inside, p, ok) {
    if (n == 0) return
    inside = 1
    for (i = 1; i <= n; i++) {
      ok = 0
      for (p in C) if (index(M[i], C[p] "/") == 1) ok = 1
      if (!ok) inside = 0
    }
    line = M[1]
    for (i = 2; i <= n; i++) line = line " -> " M[i]
    print (inside ? "module loop: " : "note: module loop outside the checked folders: ") line
    n = 0
  }
  BEGIN { split(checked, C, " ") }
  /input contains a loop/ { flush(); next }
  { sub(/^tsort: /, ""); M[++n] = $0 }
  END { flush() }' || true)
module_loops=$(grep '^module loop' <<<"$module_report" || true)
module_notes=$(grep '^note' <<<"$module_report" || true)

status=0
if [ -n "$faults" ]; then
  echo "$faults"
  status=1
fi
if [ -n "$loops" ]; then
  echo "$loops"
  status=1
fi
if [ -n "$module_loops" ]; then
  echo "$module_loops"
  status=1
fi
if [ -n "$module_notes" ]; then echo "$module_notes"; fi
[ $status -eq 0 ] && echo "include graph: $(wc -l <<<"$edges") includes, $(wc -l <<<"$module_edges") module arrows, no circle, none upward"
exit $status
