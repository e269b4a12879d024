#!/usr/bin/env bash
# Installs the build into an empty prefix with `cmake --install` and checks that the
# program, the desktop entry, the metainfo and every icon are where the desktop looks.
# Usage: check_install_tree.sh <build folder> <prefix> <application id> <png sides...>
set -euo pipefail
build=$1 prefix=$2 id=$3
shift 3

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

failed=0
Expect() {  # <description> <command...>
  local what=$1
  shift
  if ! "$@"; then
    echo "MISSING: $what" >&2
    failed=1
  fi
}

Expect "executable bin/zorvanta" test -x "$prefix/bin/zorvanta"
Expect "desktop entry" test -s "$prefix/share/applications/$id.desktop"
Expect "metainfo" test -s "$prefix/share/metainfo/$id.metainfo.xml"
Expect "the desktop entry names the icon and the program" \
  grep -qx -e "Icon=$id" "$prefix/share/applications/$id.desktop"
Expect "the desktop entry starts the installed program" \
  grep -qx -e "Exec=zorvanta" "$prefix/share/applications/$id.desktop"
Expect "the metainfo releases the project's version" \
  grep -q "<release version=\"$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")\"" \
  "$prefix/share/metainfo/$id.metainfo.xml"

svg=$prefix/share/icons/hicolor/scalable/apps/$id.svg
Expect "scalable icon $svg" grep -q "<svg" "$svg"
for side in "$@"; do
  png=$prefix/share/icons/hicolor/${side}x${side}/apps/$id.png
  Expect "$side x $side icon $png" grep -q "PNG image data, $side x $side," <(file -b "$png")
done

# Nothing else: a file installed by mistake would end up in the package too.
expected=$((4 + $#))
found=$(find "$prefix" -type f | wc -l)
Expect "exactly $expected files installed, found $found" test "$found" -eq "$expected"
exit "$failed"
