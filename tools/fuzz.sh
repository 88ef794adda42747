#!/bin/sh
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer into build/fuzz, then runs one of them.
#   tools/fuzz.sh object_stream_fuzz 600   # run for 600 seconds
#   tools/fuzz.sh build                    # only build them all
# Targets: object_stream_fuzz, object_text_fuzz (object stream and its text
# form), settings_file_fuzz, object_blob_fuzz (settings persistence),
# collection_fuzz (collection files read by the compare).
# The corpus grows in build/fuzz/corpus-<target>, seeded from tests/fuzz/seeds.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/fuzz
mkdir -p "$out"
cxx=${CXX_FUZZ:-clang++}
flags="-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I$root"
objects="SysUtils TypInfo Classes StdIdents StringList Streams Collection ObjectStream Fixups Reader Reader_Values
  Writer ObjectText"
persist="PersistText SafeFile oxRegFil ValueText PropText Carrier ObjectBlob"
engine="CollectionFile CollectionIO CompareState Compare DirIndex Errors QVEngine ReportFile"

list() {  # list DIR NAMES...: the source files
  dir=$1; shift
  for f in "$@"; do printf '%s ' "$root/$dir/$f.cpp"; done
}

sources() {
  case $1 in
    object_stream_fuzz|object_text_fuzz)
      # shellcheck disable=SC2086
      list framework/objects $objects; list framework/graphics Font Picture; list util TextLines
      list platform/posix PosixPlatformFile; list tests/support TestClasses; list tests/framework TestCarrier ;;
    settings_file_fuzz|object_blob_fuzz)
      # shellcheck disable=SC2086
      list framework/objects $objects; list framework/graphics Font Picture; list persist $persist
      list platform/posix PosixFileReplace PosixPlatformFile; list util TextLines; list tests/support TestClasses ;;
    collection_fuzz)
      # shellcheck disable=SC2086
      list engine $engine; list util TextLines DTUtil; list platform/fake FakeFileSystem ;;
    *) echo "fuzz.sh: unknown target $1" >&2; exit 2 ;;
  esac
}

build() {
  # shellcheck disable=SC2046
  $cxx $flags -o "$out/$1" "$root/tests/fuzz/$1.cpp" $(sources "$1")
}

target=${1:-build}
if [ "$target" = build ]; then
  for t in object_stream_fuzz object_text_fuzz settings_file_fuzz object_blob_fuzz collection_fuzz; do build "$t"; done
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
