#!/usr/bin/env bash
# Runs a Windows x86_64 program under wine64 with a private prefix, quietly. ctest uses it as
# the launcher of the Windows test build; windows need DISPLAY (scripts/test.sh starts Xvfb).
set -euo pipefail
export WINEPREFIX="${WINEPREFIX:-${TMPDIR:-/tmp}/vela-wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE=$(command -v wine64 || command -v wine)
if [ ! -d "$WINEPREFIX" ]; then
  "$WINE" wineboot --init >/dev/null 2>&1 || true
fi
exec "$WINE" "$@"
