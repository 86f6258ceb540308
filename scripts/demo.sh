#!/usr/bin/env bash
# The main demonstration: builds the Linux programs, starts the simulated DVR (dvrsim) with
# its built-in default device on a free loopback port and a fresh state folder, and opens the
# plug-in's console on it through vela-host with a console script, as a person would use it:
# the Server page, a new web port, Save, then the device's web page; the Channel page with its
# live picture, a privacy cover and a higher bit rate, saved; the PTZ page, a camera move, two
# presets and a tour, saved, and what the host reads of them (vela-host presets). A second
# session marks a motion area on the Alarm page's live picture while vela-host, as a host
# would from its own alarm feed, reports motion on that channel (SetMotionAlarmState): the
# area flashes. The snapshots of the console (BMP, and PNG where ImageMagick's convert makes
# them), the pages' controls and the transcripts of the messages and URLs stay in
# demo-output/. Then the device's status page, and dvrsim is stopped.
#   scripts/demo.sh            (VELA_DEMO_OUTPUT and VELA_NATIVE_BUILD choose other folders)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/dvrsim-start.sh
source "$root/scripts/dvrsim-start.sh"
# The demonstration runs the Linux build only: no Windows compilers, wine or X server.
"$root/scripts/setup.sh" native

build="${VELA_NATIVE_BUILD:-$root/build/native}"
out="${VELA_DEMO_OUTPUT:-$root/demo-output}"
echo "== building dvrsim, the NetSDK stand-in, the plug-in, vela-host and the sample skin"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=(dvrsim NetSDK VelaSetupDll vela-host skin)
# The player stand-in, once the build has it, gives the pages with a live picture their video.
cmake --build "$build" --target help | grep -q '^HBPlayM4:' && targets+=(HBPlayM4)
cmake --build "$build" --target "${targets[@]}" -j "$(nproc)" >/dev/null
bin="$build/bin"

state=$(mktemp -d "${TMPDIR:-/tmp}/vela-demo.XXXXXX")
dvrsim_pid=""
cleanup() {
  # wait reports the signal that ended the process; that is no failure of the demo.
  if [ -n "$dvrsim_pid" ]; then kill "$dvrsim_pid" 2>/dev/null; wait "$dvrsim_pid" 2>/dev/null || true; fi
  rm -rf "$state"
}
trap cleanup EXIT

echo "== starting dvrsim"
start_dvrsim "$bin/dvrsim" "$state"
device_port=$dvrsim_port
http_port=$dvrsim_http_port

mkdir -p "$out"
# The simulated device is new each time, so its presets start empty as well.
rm -f "$bin/DVSYTFILE/Office.dat"
rm -f "$out"/console-*.bmp "$out"/console-*.png "$out"/server-page-*.txt "$out"/transcript.txt \
      "$out"/console.script "$out"/channel-page-*.txt "$out"/alarm-*.txt "$out"/alarm.script
# What a person would do in the console: look at the Server page, change the web port and
# the device name, save, and open the device's web page.
cat >"$out/console.script" <<SCRIPT
# The Server page as the console opens it
page Server
snapshot $out/console-server.bmp
dump $out/server-page-before.txt
# A new web port and device name, saved to the device
set HttpPort 8080
set DevName Warehouse
button Save
# The device's web page, on the new port
button IESetup
snapshot $out/console-server-saved.bmp
dump $out/server-page-after.txt
# The Channel page: channel 1's live test picture with a privacy cover dragged over it, and
# a higher bit rate for its main stream, saved to the device
page Channel
check Cover 1
drag PlayWnd 120 90 250 200
wait 600
snapshot $out/console-channel.bmp
dump $out/channel-page-before.txt
select StreamValue 4
button Save
dump $out/channel-page-after.txt
# The PTZ page: the camera turned left at speed "200", a preset Gate (number 3) set where it
# stopped, a preset Dock (number 1), Gate as the home position after 60 s, and a tour of both
page PTZ
select CmbPtzSpeed 199
press BtnLeft
wait 300
release BtnLeft
set PreSetupDlg.PreName Gate
set PreSetupDlg.PreNum 3
click PreSetupDlg.AddPreset
set PreSetupDlg.PreName Dock
set PreSetupDlg.PreNum 1
click PreSetupDlg.AddPreset
select PreSetupDlg.RelayTime 4
select PreSetupDlg.HomePos 0
snapshot $out/console-ptz-presets.bmp
click BtnTour
select TourDlg.PreName 1
click TourDlg.btnAdd
select TourDlg.PreName 0
select TourDlg.RelayTime 8
click TourDlg.btnAdd
snapshot $out/console-ptz-tours.bmp
button Save
button Exit
SCRIPT

echo
echo "== vela-host setup --address Office --ip 127.0.0.1 --port $device_port --user admin"
echo "   (the console runs $out/console.script)"
status=0
VELA_CONSOLE_SCRIPT="$out/console.script" VELA_CONSOLE_TRANSCRIPT="$out/transcript.txt" \
  "$bin/vela-host" setup --address Office --ip 127.0.0.1 --port "$device_port" --user admin \
  --password "" || status=$?
echo "(vela-host exit code $status; SetupServer answers 1 once a Save ran)"

# The Alarm page: a motion area dragged on the live picture of channel 1, then the host's
# motion alarm for that channel (2.5 s into the session) makes its outline flash red and
# yellow; the snapshots are taken while it flashes. Then the Sensor page, as the console shows it.
cat >"$out/alarm.script" <<SCRIPT
page Alarm
click BtnClear
drag PlayWnd 40 40 150 120
drag PlayWnd 250 250 180 170
wait 400
snapshot $out/console-alarm-marked.bmp
dump $out/alarm-page.txt
wait 3000
snapshot $out/console-alarm-flash-1.bmp
wait 100
snapshot $out/console-alarm-flash-2.bmp
wait 100
snapshot $out/console-alarm-flash-3.bmp
wait 100
snapshot $out/console-alarm-flash-4.bmp
page Sensor
snapshot $out/console-sensor.bmp
dump $out/alarm-sensor-page.txt
button Exit
SCRIPT
echo
echo "== vela-host setup ... --motion-alarm 0:1@2500 (the console runs $out/alarm.script)"
# This session saves nothing, so vela-host's exit code is 1; the feed's line tells whether the
# alarm reached the open console (": 1").
feed=$(VELA_CONSOLE_SCRIPT="$out/alarm.script" VELA_CONSOLE_TRANSCRIPT="$out/alarm-transcript.txt" \
  "$bin/vela-host" setup --address Office --ip 127.0.0.1 --port "$device_port" --user admin \
  --password "" --motion-alarm 0:1@2500 | grep SetMotionAlarmState || true)
echo "$feed"

# The PNGs are a convenience: a convert that fails (or is not ImageMagick's) leaves the BMPs.
if command -v convert >/dev/null; then
  for bmp in "$out"/console-*.bmp; do
    [ -e "$bmp" ] || continue
    png="${bmp%.bmp}.png"
    if ! convert "$bmp" -alpha off "$png" >/dev/null 2>&1; then
      rm -f "$png"
      echo "demo: convert could not make $(basename "$png"); $(basename "$bmp") is kept"
    fi
  done
fi

echo
echo "== what the console showed"
show() {  # the text of one control in a dump file
  awk -F'\t' -v key="DvsCfgServer.$2" '$1 == key { sub(/^text=/, "", $5); print $5 }' "$1"
}
if [ -s "$out/server-page-before.txt" ] && [ -s "$out/server-page-after.txt" ]; then
  for key in SvrIp TcpPort HttpPort DevName SoftwareVer Serial; do
    printf '  %-12s %-22s -> %s\n' "$key" "$(show "$out/server-page-before.txt" "$key")" \
      "$(show "$out/server-page-after.txt" "$key")"
  done
fi
if [ -s "$out/channel-page-before.txt" ] && [ -s "$out/channel-page-after.txt" ]; then
  show_channel() {  # the text of one Channel page control
    awk -F'\t' -v key="DvsCfgChannel.$2" '$1 == key { sub(/^text=/, "", $5); print $5 }' "$1"
  }
  for key in CHNO Resolution FPS StreamValue; do
    printf '  %-12s %-22s -> %s\n' "$key" "$(show_channel "$out/channel-page-before.txt" "$key")" \
      "$(show_channel "$out/channel-page-after.txt" "$key")"
  done
fi
if [ -s "$out/transcript.txt" ]; then
  echo "-- transcript (message boxes with their answers, opened URLs, script errors):"
  sed 's/^/  /' "$out/transcript.txt"
fi
if [ -s "$out/alarm-transcript.txt" ]; then
  echo "-- the Alarm page session's transcript:"
  sed 's/^/  /' "$out/alarm-transcript.txt"
fi

echo
echo "== what the host now reads from the PTZ page's preset file (vela-host presets)"
"$bin/vela-host" presets --address Office --channel 0 | sed 's/^/  /' || true

echo
echo "== the device's status page, http://127.0.0.1:$http_port/"
exec 3<>"/dev/tcp/127.0.0.1/$http_port"
printf 'GET / HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n' >&3
sed -e '1,/^\r$/d' -e 's/<[^>]*>//g' -e '/^$/d' <&3
exec 3>&-

echo
echo "== left in $out:"
ls "$out" | sed 's/^/  /'
echo "== stopping dvrsim"
# The demonstration failed when the console did not run its script to the end.
if [ "$status" -ne 0 ] || grep -q '^error' "$out/transcript.txt" 2>/dev/null; then
  echo "demo: the console session failed (vela-host exit code $status; see the transcript)" >&2
  exit 1
fi
if [[ "$feed" != *": 1" ]] || grep -q '^error' "$out/alarm-transcript.txt" 2>/dev/null; then
  echo "demo: the Alarm page session failed (no motion alarm reached the console, or see" \
       "alarm-transcript.txt)" >&2
  exit 1
fi
