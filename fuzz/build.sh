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
declare -A sources=(
  [parse_number]="$number_core"
  [number_text]="$number_core"
  [mirror]="$number_core $root/tolerance/ManualEntry.cpp"
  [keypad]="$root/windows/frm_KeyBoard_unit_Display.cpp"
)
for target in "${targets[@]}"; do
  # shellcheck disable=SC2086
  "$cxx" "${flags[@]}" -o "$out/${target}_fuzz" "$root/fuzz/${target}_fuzz.cpp" ${sources[$target]}
done
