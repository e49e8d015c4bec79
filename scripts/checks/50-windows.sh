#!/usr/bin/env bash
# The Windows build: cross-builds the Qt-free cores, their tests and dopusk-limits.exe with
# MinGW-w64 (cmake/mingw-w64-x86_64.cmake) into build/win, the ISO 286 table generator and a
# native dopusk-limits into build/win-host; packs the zip of the tool with its manual; runs the
# core tests under Wine in a new, temporary Wine prefix, and dopusk-limits.exe on a set of
# queries whose output (bytes on stdout and stderr) and exit status must be the native tool's.
# Without MinGW-w64 everything is skipped; without a usable Wine only the runs are skipped.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
host=$root/build/win-host # the presets "win-host" and "win"
win=$root/build/win
jobs=2
passed=0
failed=0
skipped=0
started=$SECONDS

phase() { echo "windows: $1 in $((SECONDS - $2)) s"; }
ok() { passed=$((passed + 1)); }
bad() { echo "windows: FAILED: $*"; failed=$((failed + 1)); }
finish() {
  echo "windows: $((SECONDS - started)) s in all"
  echo "windows: $passed passed, $failed failed, $skipped skipped"
  [[ $failed -eq 0 ]]
  exit
}

if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
  echo "windows: x86_64-w64-mingw32-g++-posix not installed (g++-mingw-w64-x86-64-posix), skipped"
  skipped=1
  finish
fi

# The build machine's table generators and tool, then the cross build fed with those generators.
t=$SECONDS
log=$host.log
if ! (cd "$root" && cmake --preset win-host && cmake --build --preset win-host -j"$jobs") >"$log" 2>&1; then
  tail -30 "$log"
  bad "the native build of the generators and dopusk-limits (log $log)"
  finish
fi
phase "native generators and dopusk-limits built" "$t"
t=$SECONDS
log=$win.log
if ! (cd "$root" && cmake --preset win && cmake --build --preset win -j"$jobs") >"$log" 2>&1; then
  grep -E -m20 'error|Error' "$log" || tail -30 "$log"
  bad "the cross build (log $log)"
  finish
fi
phase "cross build" "$t"
exe=$win/limits/dopusk-limits.exe
native=$host/limits/dopusk-limits

# Statically linked: nothing but Windows' own libraries.
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
if [[ "$dlls" =~ (libstdc|libgcc|libwinpthread) ]]; then
  bad "dopusk-limits.exe needs DLLs of the compiler: $dlls"
else
  ok
fi

# The zip: the .exe as built, the manual as text and the schema of the JSON answers.
zip=$(ls "$win"/dopusk-limits-*-win64.zip 2>/dev/null | head -1)
unpacked=$(mktemp -d)
wineprefix=""
cleanup() {
  [[ -n "$wineprefix" ]] && WINEPREFIX=$wineprefix wineserver -k 2>/dev/null
  rm -rf "$unpacked" "$wineprefix"
}
trap cleanup EXIT
if [[ -z "$zip" ]] || ! (cd "$unpacked" && cmake -E tar xf "$zip"); then
  bad "no zip of dopusk-limits in $win"
elif ! cmp -s "$unpacked/dopusk-limits/dopusk-limits.exe" "$exe" ||
     ! grep -q 'dopusk-limits' "$unpacked/dopusk-limits/dopusk-limits.txt" ||
     grep -q $'\e' "$unpacked/dopusk-limits/dopusk-limits.txt" ||
     ! cmp -s "$unpacked/dopusk-limits/dopusk-limits.schema.json" "$root/packaging/dopusk-limits.schema.json"; then
  bad "the zip $zip does not hold dopusk-limits.exe, its manual as plain text and its JSON schema"
else
  echo "windows: ${zip##*/}: $(cd "$unpacked" && find . -type f | sort | tr '\n' ' ')"
  ok
fi

# Wine, headless, in a prefix of its own; no Mono or Gecko installers.
unset DISPLAY WAYLAND_DISPLAY
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine turns the Unix arguments into the Windows command line with the locale's charset.
export LC_ALL=C.UTF-8
cases=13
if ! command -v wine >/dev/null; then
  echo "windows: wine not installed (wine64), the runs under Wine skipped"
  skipped=$((skipped + 1 + cases))
  finish
fi
t=$SECONDS
wineprefix=$(mktemp -d)
export WINEPREFIX=$wineprefix
if ! wineboot --init >"$win/wineboot.log" 2>&1 || ! wineserver -w ||
   ! wine "$exe" --help >/dev/null 2>&1; then
  tail -10 "$win/wineboot.log"
  echo "windows: wine is not usable here (log $win/wineboot.log), the runs under Wine skipped"
  skipped=$((skipped + 1 + cases))
  finish
fi
phase "Wine prefix made" "$t"

t=$SECONDS
out=$win/ctest.log
(cd "$root" && ctest --preset win -j"$jobs") >"$out" 2>&1
status=$?
summary=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$out" | tail -1)
echo "windows: core tests under Wine: ${summary:-no summary}"
if [[ $status -ne 0 || -z "$summary" ]]; then
  grep -E -A20 'Failure|FAILED|\*\*\*' "$out" | head -80
  bad "core tests under Wine (log $out)"
else
  ok
fi
phase "core tests under Wine" "$t"

# One query: the native tool and the .exe under Wine, same bytes on stdout and stderr,
# and the expected exit status from both.
work=$win/runs
rm -rf "$work" && mkdir -p "$work"
printf '25 H7\n\n0,8 N9\nчто это\n25 Н7/р6\r\n25 Q7\n530 u8\n' >"$work/batch.txt"
n=0
run_case() { # expected status, stdin file, arguments...
  local expected=$1 input=$2
  shift 2
  n=$((n + 1))
  local a=$work/$n.native b=$work/$n.wine s1 s2
  "$native" "$@" <"$input" >"$a.out" 2>"$a.err"
  s1=$?
  wine "$exe" "$@" <"$input" >"$b.out" 2>"$b.err"
  s2=$?
  if [[ $s1 -ne $expected || $s2 -ne $expected ]]; then
    bad "dopusk-limits $*: exit status native $s1, Windows $s2, expected $expected"
  elif ! cmp -s "$a.out" "$b.out" || ! cmp -s "$a.err" "$b.err"; then
    bad "dopusk-limits $*: the Windows output differs from the native one"
    diff <(cat "$a.out" "$a.err") <(cat "$b.out" "$b.err") | head -10
  elif [[ ! -s "$a.out" && ! -s "$a.err" ]]; then
    bad "dopusk-limits $*: no output"
  else
    ok
  fi
}
t=$SECONDS
none=/dev/null
run_case 0 $none 25 H7                      # a class
run_case 0 $none 25 H7/g6                   # a fit
run_case 0 $none --json 25 H7               # JSON
run_case 0 $none --json 25 H7/p6
run_case 0 $none --json 8,0 js7 --js7-exact
run_case 2 "$work/batch.txt" --batch        # Cyrillic, CR LF and bad lines in a batch
run_case 2 "$work/batch.txt" --batch --json
run_case 2 $none 25 Q7                      # bad input
run_case 2 $none abc H7
run_case 0 $none 25 Н7/р6                   # Cyrillic letters for Latin ones
run_case 0 $none --json 25 Н7/р6
run_case 2 $none 25 Щ7                      # Cyrillic, read back in the message
run_case 0 $none 25 --find 0 -21
[[ $n -eq $cases ]] || bad "$n queries run, $cases counted"
if grep -q 'Щ7' "$work/12.wine.err"; then ok; else bad "the Cyrillic argument is not in the message: $(cat "$work/12.wine.err")"; fi
phase "$n dopusk-limits.exe runs compared with the native ones" "$t"

# The tool from the zip, alone in its folder.
if (cd "$unpacked/dopusk-limits" && wine dopusk-limits.exe --json 25 H7 2>&1 | cmp -s - "$work/3.native.out"); then
  ok
else
  bad "the dopusk-limits.exe of the zip does not answer as the native tool"
fi
finish
