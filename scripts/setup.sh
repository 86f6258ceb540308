#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks for the builds asked for, and says which build
# needs what:
#   native and sanitizer builds:   g++, cmake, ninja-build
#   tests and benchmarks:          libgtest-dev, libgmock-dev, googletest, libbenchmark-dev
#   Windows DLLs (i686, x86_64):   mingw-w64 with the posix-thread compilers, binutils-mingw-w64
#   Windows tests under wine64:    wine64; fonts-liberation, the faces wine maps the dialogs'
#                                  "MS Sans Serif"/"Tahoma" to (without them the dialog base
#                                  units, and with them every dialog's size, come out different)
#   windows without a display:     xvfb, xauth
#   scripts/setup.sh [all|native]  all (the default): every build; native: the Linux builds
#                                  with their tests and benchmarks, all that the demo uses
set -euo pipefail

native=(g++ cmake ninja-build
        libgtest-dev libgmock-dev googletest libbenchmark-dev)
windows=(mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
         wine64 fonts-liberation
         xvfb xauth)
case "${1:-all}" in
  all)    wanted=("${native[@]}" "${windows[@]}") ;;
  native) wanted=("${native[@]}") ;;
  *) echo "usage: setup.sh [all|native]" >&2; exit 2 ;;
esac

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
for pkg in "${wanted[@]}"; do
  have "$pkg" || need+=("$pkg")
done
if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
