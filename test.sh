#!/usr/bin/env bash
# Installs what is missing, builds everything with the tests (the preset "test", in
# build/test) and runs the whole test suite, then the further checks of scripts/checks/
# in the order of their names.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/ensure-packages.sh test
cmake --preset test >/dev/null
cmake --build --preset test -j"$(nproc)"
ctest --preset test -j"$(nproc)"
for check in scripts/checks/*.sh; do
  [[ -e "$check" ]] || continue
  echo "== ${check##*/}"
  bash "$check"
done
