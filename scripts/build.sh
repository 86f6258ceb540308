#!/usr/bin/env bash
# Configures and builds one of the project's builds into build/NAME.
#   scripts/build.sh native | asan | tsan | coverage | fuzz | win64 | win32
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
name=${1:?usage: build.sh native|asan|tsan|coverage|fuzz|win64|win32}
jobs=$(nproc)
case "$name" in
  native) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  asan)   args=(-DCMAKE_BUILD_TYPE=Debug -DVELA_SANITIZE=ON -DVELA_BENCH=OFF) ;;
  tsan)   args=(-DCMAKE_BUILD_TYPE=Debug -DVELA_TSAN=ON -DVELA_BENCH=OFF) ;;
  coverage) args=(-DCMAKE_BUILD_TYPE=Debug -DVELA_COVERAGE=ON -DVELA_BENCH=OFF) ;;
  fuzz)   args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
                -DVELA_FUZZ=ON -DVELA_SANITIZE=ON -DVELA_TESTS=OFF -DVELA_BENCH=OFF) ;;
  win64)  args=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake") ;;
  win32)  args=(-DCMAKE_BUILD_TYPE=Release -DVELA_TESTS=OFF -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake") ;;
  *) echo "unknown build $name" >&2; exit 2 ;;
esac
cmake -S "$root" -B "$root/build/$name" -G Ninja "${args[@]}" >/dev/null
cmake --build "$root/build/$name" -j "$jobs"
