#!/usr/bin/env bash
# Checks a built VelaSetupDll.dll: the seven exports with undecorated names and nothing else,
# the right machine type, and no import of the mingw runtime DLLs.
set -euo pipefail
dll=${1:?usage: check-dll.sh DLL i686|x86_64}
arch=${2:?}
dump=$("$arch-w64-mingw32-objdump" -p "$dll")
fail=0
case "$arch" in
  i686) grep -q "file format pei-i386" <<<"$dump" || { echo "not an i386 image"; fail=1; } ;;
  x86_64) grep -q "file format pei-x86-64" <<<"$dump" || { echo "not an x86-64 image"; fail=1; } ;;
esac
exports=$(echo "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed 1d | grep -oE '\] [A-Za-z_@0-9]+' | awk '{print $2}' | sort)
expected=$(printf '%s\n' GetServerInfo Init ReadPresetInfo ReadPresetPlan SetMotionAlarmState SetupServer UnInit | sort)
if [ "$exports" != "$expected" ]; then
  echo "exports differ:"; diff <(echo "$expected") <(echo "$exports") || true; fail=1
fi
imports=$(echo "$dump" | grep -E 'DLL Name:' | awk '{print $3}')
if echo "$imports" | grep -qiE 'libstdc|libgcc|libwinpthread'; then
  echo "imports a mingw runtime DLL:"; echo "$imports"; fail=1
fi
[ $fail -eq 0 ] && echo "check-dll: $dll ($arch) exports the seven entry points; imports: $(echo $imports)"
exit $fail
