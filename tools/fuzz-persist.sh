#!/bin/sh
# Builds the persistence fuzz targets (settings-file loader, object-blob reader)
# with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer into
# build/fuzz, then runs one of them.
#   tools/fuzz-persist.sh settings_file_fuzz 600   # run for 600 seconds
#   tools/fuzz-persist.sh object_blob_fuzz 60
#   tools/fuzz-persist.sh build                    # only build both
# The corpus grows in build/fuzz/corpus-<target>, seeded from tests/fuzz/seeds.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/fuzz
mkdir -p "$out"
cxx=${CXX_FUZZ:-clang++}
flags="-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I$root"
framework="SysUtils TypInfo Classes StdIdents StringList Streams Collection ObjectStream Font Picture FileHandle_posix"
persist="PersistText SafeFile oxRegFil ValueText PropText Carrier ObjectBlob"

sources() {
  for f in $framework; do printf '%s ' "$root/framework/$f.cpp"; done
  for f in $persist; do printf '%s ' "$root/persist/$f.cpp"; done
  printf '%s %s' "$root/util/TextLines.cpp" "$root/tests/persist/PropHolder.cpp"
}

build() {
  # shellcheck disable=SC2046
  $cxx $flags -o "$out/$1" "$root/tests/fuzz/$1.cpp" $(sources)
}

target=${1:-build}
if [ "$target" = build ]; then
  build settings_file_fuzz
  build object_blob_fuzz
  exit 0
fi
seconds=${2:-60}
build "$target"
corpus=$out/corpus-$target
mkdir -p "$corpus"
seeds=$root/tests/fuzz/seeds/$target
[ -d "$seeds" ] && cp -n "$seeds"/* "$corpus"/ 2>/dev/null || true
cd "$out"
exec "./$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 "$corpus"
