#!/usr/bin/env bash
# Fuzzes the number reading, the number texts, the mirroring of deviation texts and
# the keypad's display, each for a bounded time (FUZZ_SECONDS, default 30), starting
# from the seed corpus in fuzz/corpus. Skips when clang's libFuzzer is not installed.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
out=$root/build/fuzz # the preset "fuzz"
seconds=${FUZZ_SECONDS:-30}
targets=(parse_number number_text mirror keypad)
targets+=(limits_query) # dopusk-limits: sizes, deviations, classes and batch lines
targets+=(thread_designation) # thread designations and their limits

probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' > "$probe/p.cpp"
if ! command -v clang++ >/dev/null || ! clang++ -fsanitize=fuzzer "$probe/p.cpp" -o "$probe/p" 2>/dev/null; then
  echo "fuzz: clang++ with libFuzzer not available, skipped"
  echo "fuzz: 0 passed, 0 failed, ${#targets[@]} skipped"
  exit 0
fi

# The cores alone, built with clang, the sanitizers and the fuzzer's coverage (the preset "fuzz").
if ! { (cd "$root" && cmake --preset fuzz) >"$out.log" 2>&1 &&
       (cd "$root" && cmake --build --preset fuzz -j"$(nproc)" --target "${targets[@]/%/_fuzz}") >>"$out.log" 2>&1; }; then
  tail -30 "$out.log"
  echo "fuzz: building the fuzz targets failed (log $out.log)"
  echo "fuzz: 0 passed, ${#targets[@]} failed"
  exit 1
fi
passed=0
failed=0
for target in "${targets[@]}"; do
  work=$out/work/$target
  artifacts=$out/artifacts/$target
  mkdir -p "$work" "$artifacts"
  log=$out/$target.log
  # New inputs go to the working corpus; the seeds in the repository stay as they are.
  if "$out/fuzz/${target}_fuzz" -max_total_time="$seconds" -max_len=256 -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$artifacts/" "$work" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
    echo "fuzz $target: ok, ${runs:-?} inputs in ${seconds} s"
    passed=$((passed + 1))
  else
    echo "fuzz $target: FAILED; log $log, failing input in $artifacts:"
    grep -m1 -A3 -E 'check failed|ERROR|runtime error' "$log" || tail -20 "$log"
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
