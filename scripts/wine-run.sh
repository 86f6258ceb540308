#!/usr/bin/env bash
# Runs a Windows x86_64 program under wine64 with a private prefix, quietly. ctest uses it as
# the launcher of the Windows test build; windows need DISPLAY (scripts/test.sh starts Xvfb),
# console programs also run without one. The exit status is the program's.
set -euo pipefail
export WINEPREFIX="${WINEPREFIX:-${TMPDIR:-/tmp}/vela-wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE=$(command -v wine64 || command -v wine)

# The first run creates the prefix (slow, once). ctest -j starts several programs at once:
# one creates it, the others wait on the lock; the mark says the creation completed.
ready="$WINEPREFIX/.vela-prefix-ready"
if [ ! -e "$ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [ ! -e "$ready" ]; then
    "$WINE" wineboot --init >/dev/null 2>&1 || true
    touch "$ready"
  fi
  flock -u 9
  exec 9>&-
fi
exec "$WINE" "$@"
