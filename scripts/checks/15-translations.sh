#!/usr/bin/env bash
# The translation files are complete: lupdate, run over the sources into copies of
# translations/*.ts (scripts/update-translations.sh), must leave every copy as it is,
# with no unfinished entry (a new text without its English) and no obsolete or vanished
# one (a text no source has any more). A file whose sources have no text yet may be absent.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
fail() { echo "15-translations: FAILED: $*" >&2; exit 1; }

lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[[ -x "$lupdate" ]] || lupdate=$(command -v lupdate) || fail "lupdate not installed (Debian package qt6-l10n-tools)"

files=(dopusk_cores_en.ts dopusk_en.ts)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for file in "${files[@]}"; do
  [[ -e "$root/translations/$file" ]] && cp "$root/translations/$file" "$work/$file"
done
LUPDATE=$lupdate "$root/scripts/update-translations.sh" "$work" >"$work/lupdate.log" 2>&1 ||
  { cat "$work/lupdate.log" >&2; fail "lupdate did not run"; }

problems=0
entries=0
checked=0
for file in "${files[@]}"; do
  count=$(grep -c '<message' "$work/$file" || true)
  if [[ ! -e "$root/translations/$file" ]]; then
    if [[ $count -gt 0 ]]; then
      echo "15-translations: translations/$file is missing; its sources have $count texts" >&2
      problems=$((problems + 1))
    fi
    continue
  fi
  checked=$((checked + 1))
  entries=$((entries + count))
  for kind in unfinished obsolete vanished; do
    n=$(grep -c "type=\"$kind\"" "$work/$file" || true)
    if [[ $n -gt 0 ]]; then
      echo "15-translations: translations/$file has $n $kind entries, among them:" >&2
      grep -B2 "type=\"$kind\"" "$work/$file" | grep '<source>' | head -10 >&2
      problems=$((problems + 1))
    fi
  done
  n=$(grep -c '<translation></translation>\|<translation/>' "$work/$file" || true)
  if [[ $n -gt 0 ]]; then
    echo "15-translations: translations/$file has $n empty translations" >&2
    problems=$((problems + 1))
  fi
  if ! cmp -s "$root/translations/$file" "$work/$file"; then
    echo "15-translations: translations/$file is not as lupdate leaves it (scripts/update-translations.sh):" >&2
    diff "$root/translations/$file" "$work/$file" | head -20 >&2
    problems=$((problems + 1))
  fi
done
[[ $problems -eq 0 ]] || fail "$problems problems in the translation files"
echo "15-translations: passed, $checked translation files with $entries entries, all finished and current"
