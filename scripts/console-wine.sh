#!/usr/bin/env bash
# Opens the real Windows console for a person to use: the x86_64 Windows build of the plug-in,
# the NetSDK stand-in and vela-host.exe run under wine64 with the sample English skin, against
# dvrsim (the Linux build) on a free loopback port with a fresh device. Exit or Esc in the
# console ends the session; dvrsim is stopped afterwards.
#   scripts/console-wine.sh
# Without DISPLAY the console opens on a virtual screen (Xvfb), where only a console script
# can drive it: VELA_CONSOLE_SCRIPT and VELA_CONSOLE_TRANSCRIPT work as in scripts/demo.sh
# (paths in the script are read by the Windows program; /tmp/... paths work).
# VELA_NATIVE_BUILD and VELA_WIN64_BUILD choose other build folders.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/dvrsim-start.sh
source "$root/scripts/dvrsim-start.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${VELA_CONSOLE_SCRIPT:-}" ]; then
  echo "console-wine: no DISPLAY to show the console on, and no VELA_CONSOLE_SCRIPT to drive it" >&2
  exit 2
fi
"$root/scripts/setup.sh"

native="${VELA_NATIVE_BUILD:-$root/build/native}"
win64="${VELA_WIN64_BUILD:-$root/build/win64}"
echo "== building dvrsim (Linux) and the plug-in, NetSDK stand-in, vela-host and skin (Windows x86_64)"
cmake -S "$root" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$native" --target dvrsim -j "$(nproc)" >/dev/null
cmake -S "$root" -B "$win64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake" >/dev/null
cmake --build "$win64" --target VelaSetupDll NetSDK vela-host skin -j "$(nproc)" >/dev/null

state=$(mktemp -d "${TMPDIR:-/tmp}/vela-console.XXXXXX")
dvrsim_pid=""
xvfb_pid=""
cleanup() {
  # wait reports the signal that ended the process; that is no failure of the demo.
  if [ -n "$dvrsim_pid" ]; then kill "$dvrsim_pid" 2>/dev/null; wait "$dvrsim_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$state"
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    break
  done
  sleep 1
  echo "== no DISPLAY: the console opens on the virtual screen $DISPLAY"
fi

start_dvrsim "$native/bin/dvrsim" "$state"
port=$dvrsim_port

echo "== vela-host.exe setup --address Office --ip 127.0.0.1 --port $port --user admin (wine64)"
status=0
"$root/scripts/wine-run.sh" "$win64/bin/vela-host.exe" setup --address Office --ip 127.0.0.1 \
  --port "$port" --user admin --password "" || status=$?
echo "(vela-host exit code $status)"
