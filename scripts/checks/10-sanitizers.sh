#!/usr/bin/env bash
# Builds the whole program and its tests with AddressSanitizer (leak check included)
# and UndefinedBehaviorSanitizer into build/asan and runs the test suite there,
# offscreen. Any sanitizer report fails the run.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$root/build/asan
jobs=$(nproc)
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all"

log=$build/build.log
mkdir -p "$build"
if ! cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug \
       -DCMAKE_CXX_FLAGS="$sanitize -fno-omit-frame-pointer" \
       -DCMAKE_EXE_LINKER_FLAGS="$sanitize" -DCMAKE_SHARED_LINKER_FLAGS="$sanitize" \
       -DDOPUSK_BUILD_BENCHMARKS=OFF >"$log" 2>&1 ||
   ! cmake --build "$build" -j"$jobs" >>"$log" 2>&1; then
  tail -40 "$log"
  echo "sanitizers: the sanitizer build failed (log $log)"
  echo "sanitizers: 0 passed, 1 failed"
  exit 1
fi

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0
# The instrumented soak is slower; its full length runs in the regular build.
export DOPUSK_SOAK_EVENTS=${DOPUSK_SOAK_EVENTS_SANITIZED:-5000}

out=$build/ctest.log
(cd "$build" && ctest --output-on-failure -j"$jobs") >"$out" 2>&1
status=$?
grep -E '^ *[0-9]+/[0-9]+ Test' "$out"
reports=$(grep -cE 'ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:' "$out")
if [[ $status -ne 0 || $reports -ne 0 ]]; then
  grep -E -A25 'ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:|Failure' "$out" | head -150
  echo "sanitizers: $reports sanitizer reports (log $out)"
fi
summary=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$out" | tail -1)
echo "$summary"
failed=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$summary")
total=$(sed -E 's/.* tests failed out of ([0-9]+).*/\1/' <<<"$summary")
[[ -n "$total" && "$total" =~ ^[0-9]+$ ]] || { echo "sanitizers: 0 passed, 1 failed"; exit 1; }
echo "sanitizers: $((total - failed)) passed, $failed failed"
[[ $status -eq 0 && $reports -eq 0 ]]
