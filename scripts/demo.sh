#!/usr/bin/env bash
# The main demonstration: builds the Linux programs, starts the simulated DVR (dvrsim) with
# its built-in default device on a free loopback port and a fresh state folder, runs the
# plug-in against it through vela-host, shows the device's status page, and stops dvrsim.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

build="$root/build/native"
echo "== building dvrsim, the NetSDK stand-in, the plug-in and vela-host"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=(dvrsim NetSDK VelaSetupDll vela-host)
cmake --build "$build" --target help | grep -q '^skin:' && targets+=(skin)  # the sample skin
cmake --build "$build" --target "${targets[@]}" -j "$(nproc)" >/dev/null
bin="$build/bin"

state=$(mktemp -d "${TMPDIR:-/tmp}/vela-demo.XXXXXX")
dvrsim_pid=""
cleanup() {
  [ -n "$dvrsim_pid" ] && kill "$dvrsim_pid" 2>/dev/null && wait "$dvrsim_pid" 2>/dev/null
  rm -rf "$state"
}
trap cleanup EXIT

echo "== starting dvrsim"
"$bin/dvrsim" --port 0 --state "$state/device.bin" >"$state/dvrsim.out" 2>&1 &
dvrsim_pid=$!
port=""
for _ in $(seq 1 100); do
  port=$(sed -n 's/^dvrsim listening on 127\.0\.0\.1:\([0-9]*\) (http \([0-9]*\)).*/\1 \2/p' \
           "$state/dvrsim.out")
  [ -n "$port" ] && break
  kill -0 "$dvrsim_pid" 2>/dev/null || { cat "$state/dvrsim.out"; exit 1; }
  sleep 0.05
done
[ -n "$port" ] || { echo "dvrsim did not start"; cat "$state/dvrsim.out"; exit 1; }
read -r device_port http_port <<<"$port"
cat "$state/dvrsim.out"

# What a person would do in the console: look at the Server page, change the web port and
# the device name, and save.
cat >"$state/console.script" <<SCRIPT
page Server
dump $state/server-page.txt
set HttpPort 8080
set DevName Warehouse
button Save
SCRIPT

echo
echo "== vela-host setup --address Office --ip 127.0.0.1 --port $device_port --user admin"
echo "   (the console runs $state/console.script: page Server, HttpPort 8080, DevName, Save)"
status=0
VELA_CONSOLE_SCRIPT="$state/console.script" VELA_CONSOLE_TRANSCRIPT="$state/console.log" \
  "$bin/vela-host" setup --address Office --ip 127.0.0.1 --port "$device_port" --user admin \
  --password "" || status=$?
echo "(vela-host exit code $status; SetupServer answers 1 once a Save ran)"
if [ -s "$state/server-page.txt" ]; then
  echo "-- Server page as the console showed it (some controls):"
  grep -E '\.(SvrIp|TcpPort|HttpPort|SoftwareVer|BuildDate|Serial|DevName|Mac)\b' \
    "$state/server-page.txt" | cut -f1,5 || true
fi
if [ -s "$state/console.log" ]; then
  echo "-- console transcript:"
  cat "$state/console.log"
fi

echo
echo "== the device's status page, http://127.0.0.1:$http_port/"
exec 3<>"/dev/tcp/127.0.0.1/$http_port"
printf 'GET / HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n' >&3
sed -e '1,/^\r$/d' -e 's/<[^>]*>//g' -e '/^$/d' <&3
exec 3>&-

echo
echo "== stopping dvrsim"
