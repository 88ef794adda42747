#!/usr/bin/env bash
# run-unprivileged-posix.sh TEST: runs the permission cases of the POSIX
# platform tests as `nobody`, since root reads files whatever their mode.
# Exit status 77 means there is nothing to add (not root) or no such user.
set -u
exe=$(readlink -f "${1:?test program}")
[ "$(id -u)" = 0 ] || { echo "skipped: not root, the main run covers these cases"; exit 77; }
getent passwd nobody >/dev/null || { echo "skipped: no user nobody"; exit 77; }
command -v runuser >/dev/null || { echo "skipped: no runuser"; exit 77; }
runuser -u nobody -- test -x "$exe" || { echo "skipped: nobody cannot run $exe"; exit 77; }
cd /tmp && exec runuser -u nobody -- env TMPDIR=/tmp "$exe" --gtest_filter='FileSystemPermissions.*'
