#!/usr/bin/env bash
# Builds and runs every test, headless: first with warnings as errors (GCC), then the
# same tests built with Clang, then again under AddressSanitizer and UndefinedBehaviorSanitizer.
# The first run also installs into a temporary prefix and validates the desktop files.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# The benchmarks are built here too (not run), so they keep compiling as the code changes.
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZORVANTA_WARNINGS_AS_ERRORS=ON -DZORVANTA_BUILD_BENCHMARKS=ON
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"

# A second compiler, as Windows and macOS builds use: non-portable code fails here first.
CC=clang-14 CXX=clang++-14 cmake -S . -B build/clang -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DZORVANTA_WARNINGS_AS_ERRORS=ON
cmake --build build/clang -j "$jobs"
ctest --test-dir build/clang --output-on-failure -j "$jobs"

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DZORVANTA_WARNINGS_AS_ERRORS=ON -DZORVANTA_SANITIZE=ON
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

# Coverage-guided fuzzing of the number texts, about a minute per target.
bash scripts/fuzz.sh
