#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts dopusk.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/ensure-packages.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DDOPUSK_BUILD_TESTS=OFF >/dev/null
cmake --build build/release --target dopusk -j"$(nproc)"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "No display found: start dopusk on a desktop, or without one as: xvfb-run -a ./run.sh" >&2
  exit 1
fi
exec build/release/app/dopusk
