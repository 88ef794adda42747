#!/bin/sh
# Builds the object-model fuzz targets with clang's libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer into build/fuzz, then runs one of them.
#   tools/fuzz.sh object_stream_fuzz 600     # run for 600 seconds
#   tools/fuzz.sh object_text_fuzz 60
#   tools/fuzz.sh build                      # only build both
# The corpus grows in build/fuzz/corpus-<target>, seeded from tests/fuzz/seeds.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/fuzz
mkdir -p "$out"
cxx=${CXX_FUZZ:-clang++}
flags="-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I$root"
core="$root/framework/SysUtils.cpp $root/framework/TypInfo.cpp $root/framework/Classes.cpp
      $root/framework/StdIdents.cpp $root/framework/StringList.cpp $root/framework/Streams.cpp
      $root/framework/Collection.cpp $root/framework/ObjectStream.cpp $root/framework/ObjectText.cpp
      $root/framework/Font.cpp $root/framework/Picture.cpp $root/framework/FileHandle_posix.cpp
      $root/util/TextLines.cpp $root/tests/framework/TestClasses.cpp"

build() {
  # shellcheck disable=SC2086
  $cxx $flags -o "$out/$1" "$root/tests/fuzz/$1.cpp" $core
}

target=${1:-build}
if [ "$target" = build ]; then
  build object_stream_fuzz
  build object_text_fuzz
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
