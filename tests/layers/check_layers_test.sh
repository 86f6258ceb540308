#!/usr/bin/env bash
# The layering check on small planted trees: each upward or sideways include and each
# operating-system header outside platform/ fails it, the includes that point down pass; and
# the repository itself passes.
set -uo pipefail
check=${1:?usage: check_layers_test.sh CHECK_SCRIPT REPO_ROOT}
repo=${2:?}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# tree NAME FILE:INCLUDE...: a tree with one file per argument, each holding one include line.
tree() {
  local dir="$work/$1"; shift
  mkdir -p "$dir"
  for entry in "$@"; do
    local file=${entry%%:*} include=${entry#*:}
    mkdir -p "$dir/$(dirname "$file")"
    printf '#include %s\nint x;\n' "$include" >"$dir/$file"
  done
  echo "$dir"
}
expect() {  # expect pass|fail NAME DIR
  if "$check" "$3" >"$work/out" 2>&1; then got=pass; else got=fail; fi
  if [ "$got" != "$1" ]; then
    echo "FAIL: $2: expected $1, got $got"; cat "$work/out"; failures=$((failures + 1))
  fi
}

expect pass "includes pointing down" "$(tree down 'pages/a.cpp:"ui/b.h"' 'ui/b.h:"platform/c.h"' \
  'console/d.cpp:"pages/a.h"' 'platform/e.cpp:<unistd.h>' 'tests/platform/f.cpp:<sys/socket.h>' \
  'tests/g.cpp:"tools/h.h"' 'device/i.cpp:"device/j.h"')"
expect fail "ui including console" "$(tree up1 'ui/a.cpp:"console/dvs_cfg_dlg.h"')"
expect fail "platform including resources' user ui" "$(tree up2 'platform/a.h:"ui/dialog.h"')"
expect fail "device including ui, side by side" "$(tree side 'device/a.cpp:"ui/b.h"')"
expect fail "ui including device, side by side" "$(tree side2 'ui/a.cpp:"device/b.h"')"
expect fail "pages including plugin" "$(tree up3 'pages/server/a.cpp:"plugin/exports.h"')"
expect fail "an OS header in device" "$(tree os1 'device/a.cpp:<windows.h>')"
expect fail "an OS header in pages" "$(tree os2 'pages/a.cpp:<sys/stat.h>')"
expect pass "the repository" "$repo"

[ $failures -eq 0 ] && echo "layering check: all cases as expected"
exit $failures
