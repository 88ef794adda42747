#!/usr/bin/env bash
# run-unprivileged.sh TEST.exe: runs the Win32 permission tests as an ordinary
# user, since root reads files whatever their mode. As root it uses `nobody`;
# that user needs a prefix it owns, so a copy of the project's prefix is made
# and removed again. Exit status 77 means the run could not be set up.
set -u
exe=$(readlink -f "${1:?test program}")
root=$(cd "$(dirname "$0")/../.." && pwd)
template="${QV_WINEPREFIX:-$root/build/wineprefix}"
skip() { echo "skipped: $*"; exit 77; }

[ -d "$template" ] || skip "no Wine prefix at $template"
if [ "$(id -u)" = 0 ]; then
  getent passwd nobody >/dev/null || skip "no user nobody"
  command -v runuser >/dev/null || skip "no runuser"
  as_user() { runuser -u nobody -- "$@"; }
else
  as_user() { "$@"; }
fi

work=$(mktemp -d /tmp/qv-unprivileged.XXXXXX) || skip "no temporary directory"
server_started=
cleanup() {
  if [ -n "$server_started" ]; then
    as_user env WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null
    as_user env WINEPREFIX="$work/prefix" wineserver -w 2>/dev/null
    # Debian's Wine names the server's directory under /tmp in the prefix.
    server_dir=$(cat "$work/prefix/wineserver" 2>/dev/null)
    [[ "$server_dir" =~ ^wine-[A-Za-z0-9]+$ ]] && [ -O "/tmp/$server_dir" -o "$(stat -c %U "/tmp/$server_dir" 2>/dev/null)" = nobody ] &&
      rm -rf "/tmp/$server_dir"
  fi
  chmod -R u+rwx "$work" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

cp -a "$template" "$work/prefix" || skip "cannot copy the prefix"
# The copy must not inherit the path of its owner's server directory.
rm -f "$work/prefix/wineserver"
mkdir "$work/tree" "$work/tree/closed"
printf 'hello' > "$work/tree/unreadable.txt"
printf 'inner' > "$work/tree/closed/inner.txt"
printf 'keep' > "$work/tree/readonly.txt"
[ "$(id -u)" = 0 ] && chown -R nobody "$work"
chmod 000 "$work/tree/unreadable.txt"
chmod 444 "$work/tree/readonly.txt"
chmod 000 "$work/tree/closed"
chmod 755 "$work"
# The user must really be refused, or every test here would prove nothing.
as_user cat "$work/tree/unreadable.txt" >/dev/null 2>&1 && skip "permissions do not apply to $(as_user id -un)"

tree_windows="Z:$(printf '%s' "$work/tree" | tr / '\\\\')"
server_started=1
# Output goes through files: Wine's helper processes outlive the program and
# would hold a pipe, and with it ctest, open.
as_user env HOME="$work" WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
  DISPLAY= QV_DENIED_DIR="$tree_windows" \
  wine "$exe" --gtest_filter='FileSystemPermissions.*' </dev/null >"$work/out" 2>"$work/err"
status=$?
cat "$work/out"
grep -v -e 'wine32 is missing' -e 'multiarch' -e 'dpkg --add-architecture' -e 'apt-get install wine32' "$work/err" >&2
exit $status
