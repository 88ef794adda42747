#!/usr/bin/env bash
# dist-test.sh STATEDIR ZIP: unpacks the Windows release into a new folder and
# uses it there under Wine, in the environment wine-env.sh started, as someone
# who downloaded it would: qv.exe --version, then Quorvik, whose window must
# appear and whose Help > Contents must find the help file beside it. Every
# file the archive must hold is checked, so a missing one fails the test.
set -u
state=$1 zip=$2
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${QV_WINEPREFIX:-$root/build/wineprefix}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=$(cat "$state/display")
# Tags the Windows processes started here, as wine-run.sh does.
export QUORVIK_TEST_RUN=$$

work=$(mktemp -d)
quorvik=""
cleanup() {
  [ -n "$quorvik" ] && kill "$quorvik" 2>/dev/null
  wine reg delete 'HKCU\Software\Halbrand\QV5' /f >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "dist test: $*" >&2; exit 1; }
wait_gone() {  # PID SECONDS
  for _ in $(seq 1 $(($2 * 10))); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  return 1
}

(cd "$work" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
folder="$work/$(basename "$zip" -win64.zip)"
echo "unpacked into $folder:"
ls -l "$folder"
for file in Quorvik.exe qv.exe quorvik.hlp quorvik.cnt README.txt; do
  [ -s "$folder/$file" ] || fail "$file is not in the archive"
done
grep -q -v $'\r$' "$folder/README.txt" && fail "README.txt has lines without CR LF"

# From another folder, so that nothing is found by chance in the current one.
cd /
version=$(wine "$folder/qv.exe" --version </dev/null 2>/dev/null | tr -d '\r')
[ "$version" = "qv 5.0 (Quorvik V5.0)" ] || fail "qv.exe --version printed '$version'"
echo "qv.exe --version: $version"

wine "$folder/Quorvik.exe" </dev/null >/dev/null 2>&1 &
quorvik=$!
# The first start in a new prefix builds Wine's font cache, which takes a while.
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Quorvik V5\.0$' 2>/dev/null | head -1)
[ -n "$window" ] || fail "Quorvik's window did not appear"
echo "Quorvik's window appeared"

# Help > Contents, by its access keys. A help file that is not found gives the
# engine's "ERROR" box instead of its window.
sleep 1
# (xdotool's notes about the focus of a window-less X server are noise here.)
xdotool key --window "$window" alt+h 2>/dev/null
sleep 0.5
xdotool key --window "$window" c 2>/dev/null
for _ in $(seq 1 200); do
  xdotool search --onlyvisible --name '^ERROR$' >/dev/null 2>&1 && fail "the help engine did not find quorvik.hlp"
  help=$(xdotool search --onlyvisible --name 'Help$' 2>/dev/null | head -1)
  [ -n "$help" ] && break
  sleep 0.1
done
[ -n "$help" ] || fail "Help > Contents opened no help window"
echo "Help > Contents opened the help window"

# The help window has the keyboard now: Alt+F4 closes it, then File > Exit
# ends Quorvik.
xdotool key --window "$help" alt+F4 2>/dev/null
for _ in $(seq 1 100); do
  xdotool search --onlyvisible --name 'Help$' >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool search --onlyvisible --name 'Help$' >/dev/null 2>&1 && fail "the help window did not close"
xdotool key --window "$window" alt+f 2>/dev/null
sleep 0.5
xdotool key --window "$window" x 2>/dev/null
wait_gone "$quorvik" 20 || fail "Quorvik did not end after File > Exit"
quorvik=""
echo "help window closed, Quorvik ended"
exit 0
