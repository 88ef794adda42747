#!/bin/bash
# Checks the include graph of the sources: every include points to its own
# layer or one below (so no circle runs between folders), and no file
# includes itself through others. Prints each fault and fails on one.
#   tools/check-includes.sh [source-root]
set -euo pipefail
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

status=0
if [ -n "$faults" ]; then
  echo "$faults"
  status=1
fi
if [ -n "$loops" ]; then
  echo "$loops"
  status=1
fi
[ $status -eq 0 ] && echo "include graph: $(wc -l <<<"$edges") includes, no circle, none upward"
exit $status
