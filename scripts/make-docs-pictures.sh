#!/usr/bin/env bash
# Makes the README's pictures, docs/<view>.png, from the program under Xvfb: each view is
# one start of the windows (docs/make_pictures.cpp) driven by real input events, and the
# window the view names saved as the X server shows it. Renew them when the windows change
# and look at them before committing:
#   scripts/make-docs-pictures.sh [VIEW...]     all views, or only those named
# The program is built with the preset "release" (DOPUSK_PRESET names another).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# The views: a file name in docs/, then the steps (see docs/make_pictures.cpp); the last
# step names the window saved. A first step locale:NAME starts the windows under that
# locale instead of C.UTF-8 (the interface's language follows it). Add a view by adding a line.
views=(
  "tolerance-page   type:Edit2:25 grab:Form1"
  "thread-page      tab:PageControl1:1 grab:Form1"
  "fits-page        tab:PageControl1:2 type:ed_PosRazmer:25 type:cmbx_Otverstie:H7 type:cmbx_Val:p6 grab:Form1"
  "tolerance-table  type:Edit2:25 click:Button20 wait:500 grab:frm_Table"
  "thread-tolerances tab:PageControl1:3 grab:Form1"
  "tolerance-page-en locale:en_US.UTF-8 type:Edit2:25 grab:Form1"
)

preset=${DOPUSK_PRESET:-release}
scripts/ensure-packages.sh docs
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$(nproc)" --target dopusk-pictures >/dev/null
tool=build/$preset/docs/dopusk-pictures

export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
mkdir -p docs
made=0
for view in "${views[@]}"; do
  read -r name steps <<<"$view"
  if [[ $# -gt 0 && " $* " != *" $name "* ]]; then continue; fi
  locale=C.UTF-8
  if [[ $steps == locale:* ]]; then
    read -r locale steps <<<"$steps"
    locale=${locale#locale:}
  fi
  # shellcheck disable=SC2086 # the steps are words of their own
  LC_ALL=$locale LANGUAGE= xvfb-run -a -s "-screen 0 1280x1024x24" "$tool" "docs/$name.png" $steps ||
    { echo "make-docs-pictures: the view $name failed" >&2; exit 1; }
  echo "docs/$name.png"
  made=$((made + 1))
done
[[ $made -gt 0 ]] || { echo "make-docs-pictures: no view named $*" >&2; exit 2; }
