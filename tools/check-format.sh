#!/bin/bash
# Lists the C++ files that .clang-format would change and fails when there
# is one. tools/check-format.sh [file...]  (default: every tracked source)
set -euo pipefail
cd "$(dirname "$0")/.."
format=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$format" ]; then
  echo "clang-format not found (tools/setup.sh installs it)" >&2
  exit 2
fi
if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
fi
bad=0
for f in "${files[@]}"; do
  if ! "$format" --style=file --dry-run -Werror "$f" >/dev/null 2>&1; then
    echo "$f"
    bad=$((bad + 1))
  fi
done
if [ $bad -gt 0 ]; then
  echo "$bad file(s) not formatted; run: $format -i --style=file <file>" >&2
  exit 1
fi
