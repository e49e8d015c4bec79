#!/usr/bin/env bash
# Writes the PDF of both table windows through their tests, checks each with
# poppler's pdfinfo (A4 landscape, the number of pages) and renders its first
# page with pdftoppm into build/test/table-pdf/, to be looked at.
# Uses the build of ./test.sh (build/test); another one with DOPUSK_BUILD_DIR=<dir>.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
build=${DOPUSK_BUILD_DIR:-build/test}

fail() { echo "40-table-pdf: FAILED: $*" >&2; exit 1; }

[[ -f "$build/CMakeCache.txt" ]] || fail "no configured build in $build"
cmake --build "$build" --target frm_Tabl_unit_test frm_RezbTabl_Unit_test -j"$(nproc)" >/dev/null
out=$build/table-pdf
rm -rf "$out"
mkdir -p "$out"

export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 DOPUSK_TABLE_PDF_DIR=$out
"$build/tests/frm_Tabl_unit_test" --gtest_filter='*PrintPreviewAndPdf*' >"$out/frm_Tabl_unit_test.log" 2>&1 ||
  fail "frm_Tabl_unit_test (log $out/frm_Tabl_unit_test.log)"
"$build/tests/frm_RezbTabl_Unit_test" --gtest_filter='*WritesThePdf*' >"$out/frm_RezbTabl_Unit_test.log" 2>&1 ||
  fail "frm_RezbTabl_Unit_test (log $out/frm_RezbTabl_Unit_test.log)"

check() { # file, pages
  local pdf=$out/$1.pdf info
  [[ -s "$pdf" ]] || fail "no $pdf"
  info=$(pdfinfo "$pdf")
  grep -q "^Pages: *$2\$" <<<"$info" || fail "$1.pdf: not $2 pages"
  grep -q "^Page size: *842 x 595 pts (A4)" <<<"$info" || fail "$1.pdf: not A4 landscape"
  pdftoppm -f 1 -l 1 -r 96 -png -singlefile "$pdf" "$out/$1-page1" || fail "$1.pdf: pdftoppm"
  [[ -s "$out/$1-page1.png" ]] || fail "$1.pdf: first page not rendered"
  echo "-- $1.pdf: $2 pages, A4 landscape, first page in $out/$1-page1.png"
}
check frm_Table 6
check frm_RezbTabl 4
echo "40-table-pdf: passed"
