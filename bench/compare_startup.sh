#!/usr/bin/env bash
# Start-up comparison: runs the program's main job (bench_main_job) and a bare Qt +
# QCustomPlot process saving the same two charts (bench_bare_charts) side by side, in
# alternation, and prints the median wall time and peak memory of each and their ratios
# (targets: at most 1.15 each). Needs GNU time. Usage: compare_startup.sh <bench folder> [runs]
set -euo pipefail
bin=$1
runs=${2:-15}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

Measure() {  # <program> -> appends "milliseconds KiB" to $work/<program>
  mkdir -p "$work/out"
  local start=$EPOCHREALTIME
  /usr/bin/time -f "%M" -o "$work/one" "$bin/$1" "$work/out" 2>/dev/null
  local end=$EPOCHREALTIME
  # GNU time's own wall clock counts in hundredths; the shell's clock in microseconds.
  echo "$(awk -v s="${start/,/.}" -v e="${end/,/.}" 'BEGIN { printf "%.1f", (e - s) * 1000 }') $(cat "$work/one")" \
    >>"$work/$1"
}

Median() {  # <column> <file>
  cut -d' ' -f"$1" "$2" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

Measure bench_main_job && Measure bench_bare_charts  # warm the file cache; not counted
rm -f "$work/bench_main_job" "$work/bench_bare_charts"
for _ in $(seq 1 "$runs"); do
  Measure bench_main_job
  Measure bench_bare_charts
done

ours_time=$(Median 1 "$work/bench_main_job") ours_memory=$(Median 2 "$work/bench_main_job")
bare_time=$(Median 1 "$work/bench_bare_charts") bare_memory=$(Median 2 "$work/bench_bare_charts")
echo "main job:         ${ours_time} ms, ${ours_memory} KiB peak (medians of $runs runs)"
echo "bare QCustomPlot: ${bare_time} ms, ${bare_memory} KiB peak"
awk -v a="$ours_time" -v b="$bare_time" -v c="$ours_memory" -v d="$bare_memory" \
  'BEGIN { printf "ratio: wall time %.2f, peak memory %.2f (targets <= 1.15)\n", a / b, c / d }'
