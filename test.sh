#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite,
# then the further checks of scripts/checks/ in the order of their names.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/ensure-packages.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDOPUSK_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build/test -j"$(nproc)"
(cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
for check in scripts/checks/*.sh; do
  [[ -e "$check" ]] || continue
  echo "== ${check##*/}"
  bash "$check"
done
