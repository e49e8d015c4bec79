#!/usr/bin/env bash
# Installs the missing Debian packages of the sets named, and nothing else:
#   scripts/ensure-packages.sh [SET...]
# A set is a list in scripts/packages.d/: SET.txt and every SET-*.txt there. The set "run"
# (building and running the program) comes with every other; without a name it is the one.
#   run     ./run.sh        bench   ./bench.sh      docs   scripts/make-docs-pictures.sh
#   test    ./test.sh, with every check's list (test-*.txt); test-packaging etc. alone
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
lists=("$here/packages.d/run.txt")
for set in "$@"; do
  found=0
  for list in "$here/packages.d/$set.txt" "$here/packages.d/$set"-*.txt; do
    [[ -f "$list" ]] || continue
    lists+=("$list")
    found=1
  done
  [[ $found -eq 1 ]] || { echo "ensure-packages: no package set '$set' in $here/packages.d" >&2; exit 2; }
done
missing=()
while read -r pkg; do
  [[ -z "$pkg" || "$pkg" == \#* ]] && continue
  [[ " ${missing[*]} " == *" $pkg "* ]] && continue
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done < <(cat "${lists[@]}")
[[ ${#missing[@]} -eq 0 ]] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo=sudo
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
