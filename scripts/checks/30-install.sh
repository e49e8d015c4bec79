#!/usr/bin/env bash
# Installs the program into a temporary DESTDIR and checks what a desktop gets from it:
# the files, the menu entry (desktop-file-validate), the AppStream metadata (appstreamcli),
# the Debian package built by CPack (its dependencies, lintian without errors), and that the
# installed program starts on an X display with its icon.
# Uses the build of ./test.sh (build/test); another one with DOPUSK_BUILD_DIR=<dir>.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
build=${DOPUSK_BUILD_DIR:-build/test}
app_id=org.example.dopusk

fail() { echo "30-install: FAILED: $*" >&2; exit 1; }
step() { echo "-- $*"; }

[[ -f "$build/CMakeCache.txt" ]] || fail "no configured build in $build"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ -n "$version" ]] || fail "no project version in $build/CMakeCache.txt"
cmake --build "$build" --target dopusk dopusk-limits dopusk_docs -j"$(nproc)" >/dev/null

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

step "install into a temporary DESTDIR"
DESTDIR="$stage/root" cmake --install "$build" --prefix /usr >/dev/null
root=$stage/root
expected=(
  usr/bin/dopusk
  usr/share/applications/$app_id.desktop
  usr/share/metainfo/$app_id.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/$app_id.svg
  usr/share/man/man1/dopusk.1.gz
  usr/share/man/ru/man1/dopusk.1.gz
  usr/share/doc/dopusk/copyright
  usr/share/doc/dopusk/changelog.gz
)
expected+=(usr/bin/dopusk-limits usr/share/man/man1/dopusk-limits.1.gz usr/share/man/ru/man1/dopusk-limits.1.gz
  usr/share/doc/dopusk/dopusk-limits.schema.json)
sizes=(16 22 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for f in "${expected[@]}"; do
  [[ -f "$root/$f" ]] || fail "not installed: /$f"
done
[[ -x "$root/usr/bin/dopusk" ]] || fail "/usr/bin/dopusk is not executable"
for size in "${sizes[@]}"; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  file -b "$png" | grep -q "^PNG image data, $size x $size," ||
    fail "icon ${size}x${size} is not a $size x $size PNG: $(file -b "$png")"
done
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "the metainfo release is not version $version"

step "the installed dopusk-limits"
answer=$("$root/usr/bin/dopusk-limits" --json 25 H7)
[[ "$answer" == '{"answer":"class","size_mm":25,"class":"H7","class_kind":"hole","defined":true,"interval_mm":[18,30],"upper_um":21,"lower_um":0,"it_um":21,"max_mm":25.021,"min_mm":25}' ]] ||
  fail "dopusk-limits --json 25 H7 answers: $answer"
for page in man1/dopusk-limits.1.gz ru/man1/dopusk-limits.1.gz man1/dopusk.1.gz ru/man1/dopusk.1.gz; do
  man -l "$root/usr/share/man/$page" >/dev/null 2>&1 || ! command -v man >/dev/null ||
    fail "the manual $page does not format"
done
# man finds the English pages by default and the Russian ones for Russian (-L stands for a
# Russian locale, which a machine may not have generated).
if command -v man >/dev/null; then
  for name in dopusk dopusk-limits; do
    [[ "$(MANPATH="$root/usr/share/man" man -L en -w $name)" == "$root/usr/share/man/man1/$name.1.gz" ]] ||
      fail "man $name in English does not find man1/$name.1.gz"
    [[ "$(MANPATH="$root/usr/share/man" man -L ru -w $name)" == "$root/usr/share/man/ru/man1/$name.1.gz" ]] ||
      fail "man $name in Russian does not find ru/man1/$name.1.gz"
  done
fi

step "desktop-file-validate"
desktop=$root/usr/share/applications/$app_id.desktop
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[[ -z "$out" ]] || fail "desktop-file-validate: $out"
exec_cmd=$(sed -n 's/^Exec=//p' "$desktop")
[[ -x "$root/usr/bin/${exec_cmd%% *}" ]] || fail "the menu entry runs '$exec_cmd', which is not installed"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[[ "$icon" == "$app_id" ]] || fail "the menu entry's icon is '$icon', not $app_id"

step "appstreamcli validate --no-net"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "appstreamcli validate"
appstreamcli validate-tree --no-net --pedantic "$root" || fail "appstreamcli validate-tree"

step "cpack -G DEB"
rm -rf "$build/deb"
(cd "$build" && cpack -G DEB >"$stage/cpack.log" 2>&1) || { cat "$stage/cpack.log" >&2; fail "cpack"; }
arch=$(dpkg --print-architecture)
deb=$build/deb/dopusk_${version}_${arch}.deb
[[ -f "$deb" ]] || fail "no package $deb"
depends=$(dpkg-deb --field "$deb" Depends)
depends_names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for dep in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 fonts-dejavu-core; do
  grep -qxF "$dep" <<<"$depends_names" || fail "the package does not depend on $dep: $depends"
done
listing=$(dpkg-deb --contents "$deb")
for f in "${expected[@]}"; do
  grep -q " \./$f$" <<<"$listing" || fail "not in the package: /$f"
done

step "lintian"
# Nothing is suppressed: the package has no error tags of its own, and CPack's packages
# (native version, md5sums, root-owned files) meet what lintian checks.
lintian --fail-on error "$deb" 2> >(grep -v 'running with root privileges' >&2) ||
  fail "lintian reports errors on $deb"

step "start the installed program under Xvfb"
# The installed binary and its icon, not the build tree's: the window must show up with
# the caption "Допуски и посадки" and carry the icon (_NET_WM_ICON).
mkdir -m 700 "$stage/run"
XDG_RUNTIME_DIR=$stage/run xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  "$1" & pid=$!
  for _ in $(seq 1 60); do
    id=$(LC_ALL=C.UTF-8 xwininfo -root -tree 2>/dev/null | grep -F "\"Допуски и посадки\"" | awk "{print \$1}" | head -n1)
    [[ -n "$id" ]] && break
    kill -0 "$pid" 2>/dev/null || { echo "the program ended before showing its window" >&2; exit 1; }
    sleep 0.5
  done
  [[ -n "$id" ]] || { kill "$pid"; echo "no main window appeared" >&2; exit 1; }
  icon=$(xprop -id "$id" _NET_WM_ICON 2>/dev/null | head -c 200)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  [[ "$icon" == *"_NET_WM_ICON(CARDINAL) = "* ]] || { echo "the main window has no icon" >&2; exit 1; }
' _ "$root/usr/bin/dopusk" || fail "the installed program did not start with its window and icon"

step "the README's build from source on a machine without GoogleTest and Google Benchmark"
# Configured as the README says, with both packages hidden from CMake: a look-up that
# requires either would fail the configure step. The configure output says the tests are out.
plain=build/plain
rm -f "$plain/CMakeCache.txt" # configured afresh, as a first configure is
cmake -S . -B "$plain" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
  >"$stage/plain.log" 2>&1 || { tail -30 "$stage/plain.log" >&2; fail "the configure without GoogleTest failed"; }
grep -q "Tests: not built, GoogleTest not found" "$stage/plain.log" ||
  fail "the configure output does not say that the tests are not built"
cmake --build "$plain" -j"$(nproc)" >>"$stage/plain.log" 2>&1 ||
  { tail -30 "$stage/plain.log" >&2; fail "the plain build without GoogleTest and Google Benchmark failed"; }

step "dopusk-limits alone: a build without the windows installs the tool, its manual and its JSON schema"
tool=build/tool
rm -f "$tool/CMakeCache.txt"
cmake -S . -B "$tool" -DDOPUSK_BUILD_GUI=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON >"$stage/tool.log" 2>&1 &&
  cmake --build "$tool" -j"$(nproc)" >>"$stage/tool.log" 2>&1 &&
  cmake --install "$tool" --prefix "$stage/tool" >>"$stage/tool.log" 2>&1 ||
  { tail -30 "$stage/tool.log" >&2; fail "the build and install without the windows failed"; }
installed=$(cd "$stage/tool" && find . -type f | sort | tr '\n' ' ')
[[ "$installed" == "./bin/dopusk-limits ./share/doc/dopusk/dopusk-limits.schema.json ./share/man/man1/dopusk-limits.1.gz ./share/man/ru/man1/dopusk-limits.1.gz " ]] ||
  fail "a build without the windows installs: $installed"
[[ "$("$stage/tool/bin/dopusk-limits" --json 25 H7)" == "$answer" ]] ||
  fail "the dopusk-limits of the build without the windows answers otherwise"

echo "30-install: OK — installed files, desktop entry, AppStream metadata, $(basename "$deb") (lintian: no errors), start under Xvfb, plain build without GoogleTest and Google Benchmark, dopusk-limits alone"
