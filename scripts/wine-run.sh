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
# one creates it, the others wait on the lock; the mark says the creation completed and with
# which fonts. Wine takes its font list into the prefix when it creates it, so a prefix made
# before fonts were installed or removed is made again: the dialogs' size depends on them.
fonts=$(find /usr/share/fonts -type f \( -name '*.ttf' -o -name '*.otf' \) 2>/dev/null | sort | md5sum)
ready="$WINEPREFIX/.vela-prefix-ready"
if [ ! -e "$ready" ] || [ "$(cat "$ready")" != "$fonts" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [ ! -e "$ready" ] || [ "$(cat "$ready")" != "$fonts" ]; then
    # Only a prefix this script made (it has the mark) is removed.
    [ ! -e "$ready" ] || rm -rf "$WINEPREFIX"
    "$WINE" wineboot --init >/dev/null 2>&1 || true
    echo "$fonts" >"$ready"
  fi
  flock -u 9
  exec 9>&-
fi
exec "$WINE" "$@"
