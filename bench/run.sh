#!/usr/bin/env bash
# bench/run.sh [SIZES...]: times qv scan and qv compare against a plain find
# walk and mtree on trees of 10,000, 100,000 and 300,000 files, warm cache.
# Needs a host build (make build-host). Trees go to $BENCH_DIR (default /tmp/qv-bench).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
qv="$root/build/host/cli/qv"
maketree="$root/build/host/bench/qv_bench_tree"
work=${BENCH_DIR:-/tmp/qv-bench}
sizes=("$@"); ((${#sizes[@]})) || sizes=(10000 100000 300000)

# Seconds and peak memory in KB of one command, best of 3 runs.
measure() {
  local best="" mem="" start end t m stats
  stats=$(mktemp)
  for _ in 1 2 3; do
    start=$(date +%s.%N)
    /usr/bin/time -f '%M' -o "$stats" "$@" >/dev/null 2>&1 || true
    end=$(date +%s.%N)
    t=$(awk -v a="$start" -v b="$end" 'BEGIN{printf "%.3f", b-a}')
    m=$(tail -1 "$stats")
    if [ -z "$best" ] || awk -v t="$t" -v b="$best" 'BEGIN{exit !(t < b)}'; then best=$t; mem=$m; fi
  done
  rm -f "$stats"
  echo "$best $mem"
}

printf '%-8s %-14s %8s %8s %10s %12s\n' files step seconds vs_find us_per_file peak_MB
for n in "${sizes[@]}"; do
  tree="$work/tree$n"
  rm -rf "$tree" "$work/out$n"; mkdir -p "$tree" "$work/out$n"
  "$maketree" "$tree" "$n"
  find "$tree" >/dev/null  # warm the cache
  read -r tfind mfind < <(measure find "$tree" -printf '%s %T@ %p\n')
  read -r tscan mscan < <(measure "$qv" scan "$tree" -o "$work/out$n/s.qv")
  read -r tmc mmc < <(measure sh -c "mtree -c -k size,time -p '$tree' > '$work/out$n/mtree.rec'")
  "$maketree" "$tree" "$n" mutate
  find "$tree" >/dev/null
  read -r tfind2 _ < <(measure find "$tree" -printf '%s %T@ %p\n')
  read -r tcmp mcmp < <(measure sh -c "'$qv' compare '$work/out$n/s.qv' >/dev/null; true")
  read -r tmv mmv < <(measure sh -c "mtree -f '$work/out$n/mtree.rec' -p '$tree' >/dev/null; true")
  row() { awk -v n="$n" -v step="$1" -v t="$2" -v base="$3" -v kb="$4" \
            'BEGIN{printf "%-8s %-14s %8.3f %8.2f %10.2f %12.1f\n", n, step, t, t/base, 1e6*t/n, kb/1024}'; }
  row "find" "$tfind" "$tfind" "$mfind"
  row "qv scan" "$tscan" "$tfind" "$mscan"
  row "mtree -c" "$tmc" "$tfind" "$mmc"
  row "find (after)" "$tfind2" "$tfind2" 0
  row "qv compare" "$tcmp" "$tfind2" "$mcmp"
  row "mtree -f" "$tmv" "$tfind2" "$mmv"
done
