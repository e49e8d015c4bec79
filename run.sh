#!/usr/bin/env bash
# Installs what building and running the program need and is missing, builds it in Release
# (the preset "release", in build/release) and starts dopusk.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/ensure-packages.sh run
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "No display found: start dopusk on a desktop, or without one as: xvfb-run -a ./run.sh" >&2
  echo "(xvfb-run is in the Debian package xvfb)" >&2
  exit 1
fi
exec build/release/app/dopusk
