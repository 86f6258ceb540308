#!/usr/bin/env bash
# The whole test run, as CI does it: installs what is missing, checks that every include points
# down the layers, builds all builds, runs the native tests plainly, under AddressSanitizer/UBSan
# and under ThreadSanitizer, runs the Windows x86_64 tests under wine64 (with Xvfb for windows),
# and checks the shipping i686 DLL's export and import tables. Every benchmark runs once, briefly.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/setup.sh"

status=0
run() { echo "== $*"; "$@" || status=1; }

run scripts/check-layers.sh

scripts/build.sh native
run ctest --test-dir build/native --output-on-failure -j 2
# Every benchmark once, briefly, so that none stops building or running unnoticed.
for bench in build/native/bin/bench_*; do
  VELA_BENCH_SECONDS=1 run "$bench" --benchmark_min_time=0.01
done

scripts/build.sh asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  run ctest --test-dir build/asan --output-on-failure -j 2

# A race report makes the test program exit non-zero (TSan's exit code 66).
scripts/build.sh tsan
run ctest --test-dir build/tsan --output-on-failure -j 2

scripts/build.sh win64
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
  export DISPLAY=:97
fi
run ctest --test-dir build/win64 --output-on-failure

scripts/build.sh win32
run scripts/check-dll.sh build/win32/bin/VelaSetupDll.dll i686

exit $status
