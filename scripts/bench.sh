#!/usr/bin/env bash
# Builds the benchmarks and runs them offscreen: start-up against a bare window and each page's calculation in one
# run, then each window once more in fresh processes for its peak memory and its cold start (median of 5 each).
# Usage: scripts/bench.sh [build dir] [Google Benchmark options ...]
# Without options each benchmark runs five times and reports its median, which steadies the numbers on a machine
# that is doing other work as well.
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
[[ ${#options[@]} -gt 0 ]] || options=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true)
"$bench" "${options[@]}"

widgets=$("$bench" --widget-count)
runs=5
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
field() { grep -o "$1=[0-9.]*" | cut -d= -f2; }
echo
echo "Each window in a fresh process ($widgets widgets each; median of $runs runs):"
declare -A ms kib
for which in calculator bare; do
  out=$(for _ in $(seq "$runs"); do "$bench" --start="$which" --widgets="$widgets"; done)
  ms[$which]=$(field first_frame_ms <<<"$out" | median)
  kib[$which]=$(field peak_kib <<<"$out" | median)
  printf '  %-10s  first frame %7.1f ms after entry   peak memory (VmHWM) %7.1f MiB\n' \
    "$which" "${ms[$which]}" "$(awk -v k="${kib[$which]}" 'BEGIN { print k / 1024 }')"
done
awk -v a="${kib[calculator]}" -v b="${kib[bare]}" -v ma="${ms[calculator]}" -v mb="${ms[bare]}" 'BEGIN {
  d = (a - b) / 1024
  printf "  peak memory above the bare window: %.1f MiB (goal: within 10 MB): %s\n", d, d <= 10 ? "met" : "MISSED"
  printf "  cold start ratio (process entry to first frame): %.2f\n", ma / mb
}'
