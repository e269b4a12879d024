#!/usr/bin/env bash
# Builds Zorvanta in Release and makes the Debian package with CPack:
# dist/zorvanta_<version>_<arch>.deb, the version taken from the CMake project.
# Its Depends come from the binary's libraries (dpkg-shlibdeps) plus the Qt plug-ins
# loaded at run time. Install it with: apt-get install ./dist/zorvanta_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORVANTA_BUILD_TESTS=OFF
cmake --build "$build" -j "$(nproc)"
(cd "$build" && cpack -G DEB)

mkdir -p dist
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
package=zorvanta_${version}_$(dpkg --print-architecture).deb
cp "$build/$package" "dist/$package"
echo "Wrote dist/$package"
dpkg-deb --field "dist/$package" Package Version Architecture Depends
