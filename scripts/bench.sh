#!/usr/bin/env bash
# Builds the benchmark programs in Release and runs each one offscreen, printing its
# figures and, through GNU time, the program's peak memory (maximum resident set size).
# Extra arguments go to every program, e.g. --benchmark_filter=Defaults.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DZORVANTA_BUILD_BENCHMARKS=ON -DZORVANTA_BUILD_TESTS=OFF
programs=(bench_model bench_charts bench_export bench_process bench_startup bench_hover)
comparison=(bench_main_job bench_bare_charts)
cmake --build build/bench -j "$(nproc)" --target "${programs[@]}" "${comparison[@]}"

for program in "${programs[@]}"; do
  echo "== $program"
  if [[ -x /usr/bin/time ]]; then
    /usr/bin/time -f "$program peak memory: %M KiB" "build/bench/bench/$program" "$@"
  else
    echo "(install the Debian package 'time' for the peak memory figure)"
    "build/bench/bench/$program" "$@"
  fi
done

echo "== start-up comparison (the main job against bare Qt + QCustomPlot)"
if [[ -x /usr/bin/time ]]; then
  bash bench/compare_startup.sh build/bench/bench
fi
