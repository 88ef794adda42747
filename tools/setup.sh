#!/usr/bin/env bash
# Installs what building, running and testing Quorvik need, and creates the
# project's own Wine prefix. Quick when everything is already there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
prefix="$root/build/wineprefix"

packages=(
  build-essential cmake ninja-build googletest libgtest-dev libgmock-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine wine64 fonts-wine fonts-liberation xvfb xdotool x11-apps x11-utils imagemagick
  clang clang-format libclang-rt-14-dev mtree-netbsd hyperfine ccache
  halibut python3 man-db
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# A prefix of our own, never the user's ~/.wine. The marker is written last, so
# a prefix whose creation was interrupted is made again.
if [ ! -f "$prefix/.quorvik-ready" ]; then
  echo "setup: creating Wine prefix $prefix"
  rm -rf "$prefix"
  mkdir -p "$prefix"
  export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  unset DISPLAY
  wineboot -i >/dev/null 2>&1 || true
  # Debian's Wine does not read its own font folder; without these the caption
  # buttons draw as letters and dialogs fall back to odd faces.
  cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/"
  # Wine then paints window frames itself, and every window stays an X window.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  # Wine has no Courier New, which the change list uses; Liberation Mono has its metrics.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'Courier New' /d 'Liberation Mono' /f >/dev/null 2>&1
  wineserver -w
  [ -f "$prefix/system.reg" ] || { echo "setup: wineboot did not create $prefix" >&2; exit 1; }
  touch "$prefix/.quorvik-ready"
fi
