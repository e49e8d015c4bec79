#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer into the given directory (default build/fuzz).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-$root/build/fuzz}
mkdir -p "$out"
cxx=${CXX_FUZZ:-clang++}
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
       -Wall -Wextra -I"$root/fuzz" -I"$root/tolerance" -I"$root/windows")
number_core="$root/tolerance/Decimal.cpp $root/tolerance/NumberText.cpp"
targets=(parse_number number_text mirror keypad)
targets+=(limits_query)
declare -A sources=(
  [parse_number]="$number_core"
  [number_text]="$number_core"
  [mirror]="$number_core $root/tolerance/ManualEntry.cpp"
  [keypad]="$root/windows/frm_KeyBoard_unit_Display.cpp"
)
# dopusk-limits: its base tables generated as the CMake build does, then its reading and answers.
flags+=(-I"$root/iso286" -I"$root/limits")
"$cxx" -std=c++20 -O1 -o "$out/iso286_generate_tables" "$root/iso286/generator/GenerateTables.cpp"
"$out/iso286_generate_tables" "$root/iso286/tables" "$out/GeneratedTables.cpp"
iso286_core="$number_core $out/GeneratedTables.cpp"
for unit in ToleranceClass Derivation Limits ClassList Fit ReverseLookup NumberReading; do
  iso286_core+=" $root/iso286/$unit.cpp"
done
for unit in CommandLine Answers TextOutput JsonOutput TextSafety; do
  iso286_core+=" $root/limits/$unit.cpp"
done
sources[limits_query]=$iso286_core
for target in "${targets[@]}"; do
  # shellcheck disable=SC2086
  "$cxx" "${flags[@]}" -o "$out/${target}_fuzz" "$root/fuzz/${target}_fuzz.cpp" ${sources[$target]}
done
