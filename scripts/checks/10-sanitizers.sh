#!/usr/bin/env bash
# Builds the whole program and its tests with AddressSanitizer (leak check included)
# and UndefinedBehaviorSanitizer into build/asan and runs the test suite there,
# offscreen. Any sanitizer report fails the run.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$root/build/asan # the preset "asan"
jobs=$(nproc)
cd "$root"

log=$build/build.log
mkdir -p "$build"
if ! cmake --preset asan >"$log" 2>&1 || ! cmake --build --preset asan -j"$jobs" >>"$log" 2>&1; then
  tail -40 "$log"
  echo "sanitizers: the sanitizer build failed (log $log)"
  echo "sanitizers: 0 passed, 1 failed"
  exit 1
fi

# The sanitizers' options and the offscreen platform come with the test preset "asan".
# The instrumented soak is slower; its full length runs in the regular build.
export DOPUSK_SOAK_EVENTS=${DOPUSK_SOAK_EVENTS_SANITIZED:-5000}

out=$build/ctest.log
ctest --preset asan -j"$jobs" >"$out" 2>&1
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
