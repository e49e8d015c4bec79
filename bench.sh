#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in Release into build/bench and
# runs them all: start-up as whole processes (offscreen, then under Xvfb), then the
# windows and cores in process. Every figure is printed beside its bare Qt baseline,
# with the ratio and whether its target holds. The start-up's floor is a bare window
# of the main window's size with one label; the empty bare window is started in the
# same rounds for reference, and so is the floor's window in the main window's eight
# fonts. BENCH_RUNS sets the starts of each (15 by default).
# Extra arguments go to the in-process benchmarks (Google Benchmark flags, e.g.
# --benchmark_filter=Keystroke).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/ensure-packages.sh
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DDOPUSK_BUILD_TESTS=OFF -DDOPUSK_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build/bench -j"$(nproc)" --target bench_bare_window bench_bare_text_window bench_bare_fonts_window bench_dopusk_startup bench_startup bench_dopusk
cmake --build build/bench -j"$(nproc)" --target bench_iso286
bin=build/bench/bench
runs=${BENCH_RUNS:-15}
export LC_ALL=C.UTF-8
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

echo
echo "== Start-up, offscreen"
QT_QPA_PLATFORM=offscreen "$bin/bench_startup" --runs "$runs" "$bin/bench_bare_text_window" "$bin/bench_dopusk_startup" "$bin/bench_bare_window" \
  "$bin/bench_bare_fonts_window"
echo
echo "== Start-up, under Xvfb"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$bin/bench_startup" --runs "$runs" "$bin/bench_bare_text_window" "$bin/bench_dopusk_startup" "$bin/bench_bare_window" \
  "$bin/bench_bare_fonts_window"
echo
echo "== Windows and cores, offscreen"
QT_QPA_PLATFORM=offscreen "$bin/bench_dopusk" "$@"
echo
echo "== ISO 286 system and dopusk-limits"
"$bin/bench_iso286" "$@"
