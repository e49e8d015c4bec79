#!/usr/bin/env bash
# Every file a Markdown page of the repository points at (a picture or a link, written
# ![..](path), [..](path) or src="path") must be one the repository holds: a file
# only on this machine, or one that .gitignore hides, is missing from a fresh clone.
# Web addresses and anchors within a page are not files and are left alone.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."

fail() { echo "05-readme-files: FAILED: $*" >&2; exit 1; }

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  held() { [[ -n "$(git ls-files -- "$1")" ]]; } # a file, or a folder with tracked files
  pages=$(git ls-files -- '*.md')
else
  held() { [[ -e "$1" ]]; } # an unpacked source tree: what is there
  pages=$(find . -name '*.md' -not -path './build*' | sed 's|^\./||')
fi

missing=0
checked=0
for page in $pages; do
  dir=$(dirname "$page")
  while IFS= read -r target; do
    target=${target%%#*}  # an anchor in the file
    target=${target%% *}  # a title after the path: [..](path "title")
    [[ -z "$target" || "$target" =~ ^[a-zA-Z][a-zA-Z0-9+.-]*: ]] && continue # web and mail addresses
    if [[ "$target" == /* ]]; then path=${target#/}; else path=$dir/$target; fi
    path=$(realpath -m --relative-to=. "$path")
    checked=$((checked + 1))
    if ! held "$path"; then
      echo "05-readme-files: $page points at $target, which the repository does not hold" >&2
      missing=$((missing + 1))
    fi
  done < <(grep -oE '\]\([^)]+\)|src="[^"]+"' "$page" | sed -E 's/^\]\((.*)\)$/\1/; s/^src="(.*)"$/\1/')
done
[[ $missing -eq 0 ]] || fail "$missing of the $checked files the Markdown pages point at are not in the repository"
echo "05-readme-files: passed, all $checked files the Markdown pages point at are in the repository"
