#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks for every build: compilers and CMake, GoogleTest
# and Google Benchmark, mingw-w64 for the Windows DLLs, wine64 and Xvfb to run them.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
for pkg in g++ cmake ninja-build libgtest-dev libgmock-dev googletest libbenchmark-dev \
           mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64 \
           wine64 xvfb xauth; do
  have "$pkg" || need+=("$pkg")
done
if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
