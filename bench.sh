#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in Release (the preset "bench", in
# build/bench) and runs them all: start-up as whole processes (under Xvfb, with targets,
# then offscreen for reference), then the windows and cores in process, then the ISO 286
# system. Every figure is printed beside its bare Qt baseline, with the ratio and whether
# its target holds.
# The start-up's floor is the least a program with this look can do: a bare window of the
# main window's size with one label in each of the main window's eight fonts. The same
# window with one label and the empty bare window are started in the same rounds, for
# reference. BENCH_RUNS sets the starts of each (15 by default).
# The summaries are also written as Markdown tables to build/bench/performance.md, which
# replaces the part of README.md between its two "bench.sh" markers (BENCH_README=0: the
# README is left alone, as it is when arguments are given).
# Extra arguments go to the in-process benchmarks (Google Benchmark flags, e.g.
# --benchmark_filter=Keystroke).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/ensure-packages.sh bench
cmake --preset bench >/dev/null
cmake --build --preset bench -j"$(nproc)" --target bench_bare_window bench_bare_text_window bench_bare_fonts_window \
  bench_dopusk_startup bench_startup bench_dopusk bench_iso286
bin=build/bench/bench
runs=${BENCH_RUNS:-15}
export LC_ALL=C.UTF-8
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

# The Markdown summary: how the run was made, then each program's tables.
markdown=$PWD/build/bench/performance.md
export BENCH_MARKDOWN=$markdown
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
cat >"$markdown" <<TEXT
Written by \`./bench.sh\` on $(date -u '+%Y-%m-%d %H:%M UTC'): $(nproc) processors ($cpu),
Debian $(cat /etc/debian_version 2>/dev/null || echo unknown), Qt $qt; load average $(cut -d' ' -f1-3 /proc/loadavg)
at the start. Start-up: median of $runs starts of each program, started in turns.
TEXT

floor=$bin/bench_bare_fonts_window
others=("$bin/bench_dopusk_startup" "$bin/bench_bare_text_window" "$bin/bench_bare_window")
echo
echo "== Start-up, under Xvfb"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$bin/bench_startup" --runs "$runs" --platform "under Xvfb" "$floor" "${others[@]}"
echo
echo "== Start-up, offscreen (for reference, no targets)"
QT_QPA_PLATFORM=offscreen "$bin/bench_startup" --runs "$runs" --platform offscreen --no-targets "$floor" "${others[@]}"
echo
echo "== Windows and cores, offscreen"
QT_QPA_PLATFORM=offscreen "$bin/bench_dopusk" "$@"
echo
echo "== ISO 286 system and dopusk-limits"
"$bin/bench_iso286" "$@"

echo
if [[ "${BENCH_README:-1}" == 0 || $# -gt 0 ]]; then
  echo "The tables are in $markdown; README.md left as it is."
  exit 0
fi
begin='<!-- bench.sh: begin -->'
end='<!-- bench.sh: end -->'
if ! grep -qxF "$begin" README.md || ! grep -qxF "$end" README.md; then
  echo "README.md has no \"$begin\" ... \"$end\" markers; the tables are in $markdown" >&2
  exit 1
fi
awk -v begin="$begin" -v end="$end" -v file="$markdown" '
  $0 == begin { print; print ""; while ((getline line < file) > 0) print line; print ""; skip = 1; next }
  $0 == end { skip = 0 }
  !skip { print }' README.md >README.md.new
mv README.md.new README.md
echo "README.md: the performance tables replaced by this run's ($markdown)"
