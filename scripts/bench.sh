#!/usr/bin/env bash
# Builds the benchmarks and runs them offscreen: start-up against a bare window and each page's calculation in one
# run, then each window once more in fresh processes for its peak memory and its cold start (median of 5 each).
# Usage: scripts/bench.sh [build dir] [Google Benchmark options ...]
# Without options each benchmark runs five times, the repetitions of different benchmarks interleaved in random
# order, and reports its median: a virtual machine that slows down for a while then slows every benchmark alike,
# instead of whichever happened to run at the time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-"$root/build-bench"}
shift || true
"$root/scripts/deps.sh"
# The build the program ships with (RelWithDebInfo: optimised, with symbols for perf), without the tests.
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVXR_BENCH=ON -DVXR_BUILD_TESTS=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)" --target vxr_bench
bench="$dir/bench/vxr_bench"
export QT_QPA_PLATFORM=offscreen

options=("$@")
[[ ${#options[@]} -gt 0 ]] ||
  options=(--benchmark_repetitions=5 --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true)
"$bench" "${options[@]}"

widgets=$("$bench" --widget-count)
runs=5
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
field() { grep -o "$1=[0-9.]*" | cut -d= -f2; }
echo
echo "Each window in a fresh process (the bare one with $widgets widgets; median of $runs runs, taken in turns):"
declare -A ms kib out
for _ in $(seq "$runs"); do
  for which in calculator bare; do out[$which]+="$("$bench" --start="$which" --widgets="$widgets")"$'\n'; done
done
for which in calculator bare; do
  ms[$which]=$(field first_frame_ms <<<"${out[$which]}" | median)
  kib[$which]=$(field peak_kib <<<"${out[$which]}" | median)
  printf '  %-10s  first frame %7.1f ms after entry   peak memory (VmHWM) %7.1f MiB\n' \
    "$which" "${ms[$which]}" "$(awk -v k="${kib[$which]}" 'BEGIN { print k / 1024 }')"
done
awk -v a="${kib[calculator]}" -v b="${kib[bare]}" -v ma="${ms[calculator]}" -v mb="${ms[bare]}" 'BEGIN {
  d = (a - b) / 1024; dec = (a - b) * 1024 / 1e6
  printf "  peak memory above the bare window: %.2f MiB = %.2f MB (goal: within 10 MB): %s\n", d, dec,
         dec <= 10 ? "met" : (d <= 10 ? "met in MiB, not in decimal MB" : "MISSED")
  printf "  cold start ratio (process entry to first frame): %.2f\n", ma / mb
}'
