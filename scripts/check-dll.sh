#!/usr/bin/env bash
# Checks a built VelaSetupDll.dll: the seven exports with undecorated names and nothing else,
# the right machine type, no import of the mingw runtime DLLs, and a version resource with
# the project's version (CMakeLists.txt) in it and in the stand-in DLLs beside it.
set -euo pipefail
dll=${1:?usage: check-dll.sh DLL i686|x86_64}
arch=${2:?}
root=$(cd "$(dirname "$0")/.." && pwd)
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

# The version resource: the fixed part's file version, and the texts Windows shows.
version=$(sed -n 's/^project(VelaSetupDll VERSION \([0-9]*\.[0-9]*\.[0-9]*\).*/\1.0/p' \
            "$root/CMakeLists.txt")
check_version() {  # DLL
  local file=$1 texts offset ms ls fixed key
  texts=$(strings -el "$file")
  text() { awk -v key="$1" 'found { print; exit } $0 == key { found = 1 }' <<<"$texts"; }
  # VS_FIXEDFILEINFO starts with the signature 0xFEEF04BD; the file version follows at 8.
  offset=$(LC_ALL=C grep -obUaP '\xbd\x04\xef\xfe' "$file" | head -1 | cut -d: -f1)
  if ! grep -qx VS_VERSION_INFO <<<"$texts" || [ -z "$offset" ]; then
    echo "$file: no version resource"; return 1
  fi
  read -r ms ls <<<"$(od -An -tu4 -j $((offset + 8)) -N 8 "$file")"
  fixed="$((ms >> 16)).$((ms & 65535)).$((ls >> 16)).$((ls & 65535))"
  [ "$fixed" = "$version" ] || { echo "$file: file version $fixed, not $version"; return 1; }
  for key in FileVersion ProductVersion; do
    [ "$(text $key)" = "$version" ] || { echo "$file: $key is '$(text $key)', not $version"; return 1; }
  done
  [ "$(text OriginalFilename)" = "$(basename "$file")" ] ||
    { echo "$file: OriginalFilename is '$(text OriginalFilename)'"; return 1; }
  [ -n "$(text FileDescription)" ] || { echo "$file: no FileDescription"; return 1; }
}
checked=()
for module in "$dll" "$(dirname "$dll")/NetSDK.dll" "$(dirname "$dll")/HBPlayM4.dll"; do
  [ "$module" = "$dll" ] || [ -e "$module" ] || continue
  if check_version "$module"; then checked+=("$(basename "$module")"); else fail=1; fi
done

[ $fail -eq 0 ] && echo "check-dll: $dll ($arch) exports the seven entry points; imports: $(echo $imports);" \
  "version $version in ${checked[*]}"
exit $fail
