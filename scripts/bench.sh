#!/usr/bin/env bash
# Every benchmark in one run, each figure beside its floor measured in the same run: builds
# the native build's benchmarks, runs each program with repetitions and prints the table of
# docs/PERFORMANCE.md (medians; the machines are shared and noisy, so ratios say more than
# times). The raw Google Benchmark JSON stays in build/native/bench-results/.
#   scripts/bench.sh [REPETITIONS]   (default 5; VELA_BENCH_SECONDS: the preview run, default 10)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
reps=${1:-5}
scripts/setup.sh native
scripts/build.sh native
results=build/native/bench-results
rm -rf "$results"
mkdir -p "$results"
for bench in build/native/bin/bench_*; do
  name=$(basename "$bench")
  echo "== $name" >&2
  # The preview run is a fixed time of streaming, measured once.
  [ "$name" = bench_dvrsim_preview ] && runs=1 || runs=$reps
  "$bench" --benchmark_repetitions="$runs" --benchmark_out="$results/$name.json" \
    --benchmark_out_format=json >/dev/null
done
python3 scripts/bench_report.py "$results"
