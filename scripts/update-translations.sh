#!/usr/bin/env bash
# Brings the translation files of translations/ up to date with the sources: lupdate reads
# the source folders that translations/sources.cmake gives for each file, adds the new texts
# (to be translated: they are "unfinished") and drops the texts no source has any more.
# Usage: scripts/update-translations.sh [FOLDER]   writes the .ts files of FOLDER (default
# translations/); the check 15-translations runs it on copies.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-$root/translations}
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[[ -x "$lupdate" ]] || lupdate=$(command -v lupdate)

# The folders of a list of translations/sources.cmake: set(NAME folder folder ...).
folders() { sed -n "s/^set($1 \(.*\))$/\1/p" "$root/translations/sources.cmake"; }

for pair in DOPUSK_CORES_TS_SOURCES:dopusk_cores_en.ts DOPUSK_WINDOWS_TS_SOURCES:dopusk_en.ts; do
  list=${pair%%:*}
  file=${pair#*:}
  sources=()
  for folder in $(folders "$list"); do
    [[ -e "$root/$folder" ]] && sources+=("$folder")
  done
  [[ ${#sources[@]} -gt 0 ]] || { echo "update-translations: no folders for $file in translations/sources.cmake" >&2; exit 1; }
  # No line numbers: a change of code that leaves the texts alone leaves the file alone.
  # I18N_TRANSLATE_NOOP marks the cores' texts that are named once and translated where used.
  (cd "$root" && "$lupdate" -silent -locations none -no-obsolete -source-language ru_RU -target-language en_US \
    -tr-function-alias QT_TRANSLATE_NOOP+=I18N_TRANSLATE_NOOP "${sources[@]}" -ts "$out/$file")
done
