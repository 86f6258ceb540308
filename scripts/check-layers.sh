#!/usr/bin/env bash
# Fails when a source file includes a header from a layer that is not below its own, or an
# operating-system header outside platform/. The layers, bottom up (one line, one rank; the
# folders of a line are side by side and may not include each other). The stand-ins and
# dvrsim (tools/) sit above the plug-in, the tests above everything. Operating-system headers
# belong to platform/, and to platform's own tests, which check it against the system directly.
# Usage: check-layers.sh [ROOT]
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}

layers=(
  "resources"
  "platform"
  "preview"
  "device ui"
  "pages"
  "console"
  "plugin"
  "tools"
  "tests"
)
# System headers only platform/ may name.
os_headers='windows\.h|winsock2\.h|ws2tcpip\.h|commctrl\.h|commdlg\.h|shellapi\.h|shlobj\.h|mmsystem\.h|io\.h|direct\.h|process\.h|unistd\.h|pthread\.h|dlfcn\.h|fcntl\.h|poll\.h|netdb\.h|dirent\.h|signal\.h|termios\.h|sys/[a-z_]+\.h|netinet/[a-z_]+\.h|arpa/[a-z_]+\.h'

declare -A rank
for i in "${!layers[@]}"; do
  for folder in ${layers[$i]}; do rank[$folder]=$i; done
done

status=0
cd "$root"
while IFS= read -r -d '' file; do
  own=${file%%/*}
  [ -n "${rank[$own]+set}" ] || continue
  while IFS=: read -r line header; do
    target=${header%%/*}
    if [ "$target" != "$header" ] && [ -n "${rank[$target]+set}" ] && [ "$target" != "$own" ] &&
       [ "${rank[$target]}" -ge "${rank[$own]}" ]; then
      echo "$file:$line: $own/ may not include $header (layer $target/ is not below it)"
      status=1
    fi
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" |
           sed -E 's/^([0-9]+):[^"]*"([^"]*)".*/\1:\2/')
  if [ "$own" != platform ] && [[ $file != tests/platform/* ]]; then
    grep -nE "^[[:space:]]*#[[:space:]]*include[[:space:]]*<($os_headers)>" "$file" |
      while IFS=: read -r line text; do
        echo "$file:$line: an operating-system header outside platform/: ${text//[[:space:]]/ }"
      done | grep . && status=1
  fi
done < <(find "${!rank[@]}" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 2>/dev/null)

[ $status -eq 0 ] && echo "layers: every include points down"
exit $status
