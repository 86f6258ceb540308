# Sourced by the scripts that run a console against the simulated DVR.
#   start_dvrsim DVRSIM STATE_FOLDER
# starts DVRSIM on a free loopback port with its state in STATE_FOLDER/device.bin and waits
# until it listens. Sets dvrsim_pid (the caller stops it), dvrsim_port and dvrsim_http_port;
# prints dvrsim's start-up lines. Exits the script when dvrsim does not start.
start_dvrsim() {
  local program=$1 state=$2 ports=""
  "$program" --port 0 --state "$state/device.bin" >"$state/dvrsim.out" 2>&1 &
  dvrsim_pid=$!
  for _ in $(seq 1 100); do
    ports=$(sed -n 's/^dvrsim listening on 127\.0\.0\.1:\([0-9]*\) (http \([0-9]*\)).*/\1 \2/p' \
              "$state/dvrsim.out")
    [ -n "$ports" ] && break
    kill -0 "$dvrsim_pid" 2>/dev/null || { cat "$state/dvrsim.out"; exit 1; }
    sleep 0.05
  done
  [ -n "$ports" ] || { echo "dvrsim did not start"; cat "$state/dvrsim.out"; exit 1; }
  read -r dvrsim_port dvrsim_http_port <<<"$ports"
  cat "$state/dvrsim.out"
}
