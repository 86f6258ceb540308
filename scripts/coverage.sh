#!/usr/bin/env bash
# Line and branch coverage of the native test suite, per source folder:
#   scripts/coverage.sh            builds build/coverage, runs every test, prints the table
#   scripts/coverage.sh --report   prints the table of the last run again
# Counts come from gcov's JSON output; a line run by any test program counts as covered.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/coverage"
if [ "${1:-}" != "--report" ]; then
  "$root/scripts/setup.sh" native
  "$root/scripts/build.sh" coverage
  find "$build" -name '*.gcda' -delete
  ctest --test-dir "$build" -j 2 --output-on-failure || echo "coverage: some tests failed; counts are of what ran"
fi
cd "$build"
find . -name '*.gcda' -print0 |
  xargs -0 -n 50 gcov --json-format --stdout --branch-probabilities 2>/dev/null |
  python3 "$root/scripts/coverage_table.py" "$root"
