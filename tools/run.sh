#!/usr/bin/env bash
# make run: shows the engine at work through qv on a small sample tree:
# scan, change the tree, compare, and print the report.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
qv="$root/build/host/cli/qv"
demo="$root/build/demo"
rm -rf "$demo"; mkdir -p "$demo/tree/docs" "$demo/tree/photos" "$demo/tree/cache"
printf 'hello\n' > "$demo/tree/readme.txt"
printf 'draft one\n' > "$demo/tree/docs/letter.txt"
printf 'minutes\n' > "$demo/tree/docs/minutes.txt"
printf 'JPEG' > "$demo/tree/photos/beach.jpg"
printf 'tmp' > "$demo/tree/cache/blob.bin"
touch -d '2024-05-01 10:00:02' "$demo/tree/docs/minutes.txt"

echo "\$ qv scan --exclude $demo/tree/cache $demo/tree -o $demo/sample.qv"
"$qv" scan --exclude "$demo/tree/cache" "$demo/tree" -o "$demo/sample.qv"
echo "collection: $(stat -c %s "$demo/sample.qv") bytes; directory list:"
sed 's/^/  /' "$demo/sample.qd" | tr -d '\r'

printf 'draft two, longer\n' > "$demo/tree/docs/letter.txt"
touch -d '2025-01-02 03:04:06' "$demo/tree/docs/minutes.txt"
rm "$demo/tree/photos/beach.jpg"
printf 'new\n' > "$demo/tree/photos/party.jpg"
printf 'more cache' > "$demo/tree/cache/other.bin"

echo
echo "(changed: letter.txt grown, minutes.txt touched, beach.jpg deleted, party.jpg added, cache excluded)"
echo "\$ qv compare --exclude $demo/tree/cache $demo/sample.qv -o $demo/report.txt"
"$qv" compare --exclude "$demo/tree/cache" "$demo/sample.qv" -o "$demo/report.txt" || [ $? -eq 1 ]
echo
echo "report saved as $demo/report.txt"
