#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang-14 (AddressSanitizer and
# UndefinedBehaviorSanitizer) in build/fuzz and runs each for FUZZ_SECONDS seconds (default 60)
# on a scratch copy of its seed corpus, so nothing new is written into the repository.
# Exits non-zero if any target finds a crash, a sanitizer report, a leak, a timeout or a
# broken property; the reproducer is left in build/fuzz/run/<target>/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-60}"
build=build/fuzz
targets=(parse_whole_number real_number_text)

CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZORVANTA_MODEL_ONLY=ON -DZORVANTA_BUILD_FUZZERS=ON -DZORVANTA_BUILD_TESTS=OFF \
  -DZORVANTA_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" -j "$(nproc)"

failed=0
for target in "${targets[@]}"; do
  work="$build/run/$target"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp tests/fuzz/corpus/"$target"/* "$work/corpus/"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$work/artifacts/")
  if [[ -f tests/fuzz/$target.dict ]]; then options+=(-dict="tests/fuzz/$target.dict"); fi

  if "$build/tests/fuzz/fuzz_$target" "${options[@]}" "$work/corpus" >"$work/log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
    echo "fuzz $target: OK (${runs:-?} inputs in ${seconds} s, no finding)"
  else
    failed=1
    echo "fuzz $target: FAILED (log $work/log)"
    grep -E 'PROPERTY FAILED|ERROR: |runtime error|SUMMARY' "$work/log" | head -n 20 || true
    ls "$work/artifacts" | sed "s|^|  reproducer: $work/artifacts/|"
  fi
done
exit "$failed"
