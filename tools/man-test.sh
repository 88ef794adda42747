#!/usr/bin/env bash
# man-test.sh QV QV.1: the man page renders without warnings and says what
# `qv --help` says: the same synopsis, every option, the exit statuses and the
# report line formats; and it names no option that qv does not know.
set -u
qv=$1 page=$2
fail() { echo "man test: $*" >&2; status=1; }
status=0
usage=$("$qv" --help) || { echo "man test: qv --help failed" >&2; exit 1; }
warnings=$(MANWIDTH=200 man --warnings -l "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man warns: $warnings"
# Wide lines, so that no synopsis or report line is broken; hyphens as typed.
rendered=$(MANWIDTH=200 man -E ascii -l "$page" 2>/dev/null)
text=$(sed 's/  */ /g' <<<"$rendered")
has() { grep -qF -- "$1" <<<"$text"; }

while IFS= read -r line; do
  line=$(sed -e 's/^usage: //' -e 's/^ *//' <<<"$line")
  has "$line" || fail "synopsis line missing: $line"
done < <(sed -n '1,3p' <<<"$usage")
for option in $(grep -o -- '--[a-z-]*' <<<"$usage" | sort -u) -o; do
  has "$option" || fail "option missing: $option"
done
for option in $(grep -o -- ' --\?[a-z][a-z-]*' <<<"$text" | sort -u); do
  grep -qF -- "$option" <<<"$usage" || fail "the man page names $option, which qv --help does not"
done
has "EXIT STATUS" || fail "no EXIT STATUS section"
for code in $(grep -o 'exit status:.*' <<<"$usage" | grep -o ' [0-9] ' | tr -d ' '); do
  grep -qE "^ +$code +[A-Za-z]" <<<"$rendered" || fail "exit status $code not described"
done
while IFS= read -r line; do
  format=$(sed -e 's/^  //' -e 's/  .*//' <<<"$line")
  has "$format" || fail "report line format missing: $format"
done < <(sed -n '/^report lines/,/^$/p' <<<"$usage" | grep '^  ')
exit $status
