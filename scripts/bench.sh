#!/usr/bin/env bash
# Builds the benchmarks and runs them offscreen. Start-up as the user feels it: process entry to the first frame,
# each run a fresh process, the calculator's window and a bare window of the same controls (same types, texts and
# CJK font, on plain Fusion) taken in turns, the order turning each round; then, in the same processes, the peak
# memory after opening every page. Then the first opening of each page and one calculation per page.
# Usage: scripts/bench.sh [build dir] [other vxr_bench ...]
# Other vxr_bench binaries (say, built from an earlier commit) have their calculator window measured in the same
# turns. VXR_BENCH_RUNS sets the fresh processes per window (15).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-"$root/build-bench"}
shift || true
"$root/scripts/deps.sh"
# The build the program ships with (RelWithDebInfo), without the tests.
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVXR_BENCH=ON -DVXR_BUILD_TESTS=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)" --target vxr_bench
export QT_QPA_PLATFORM=offscreen
bench="$dir/bench/vxr_bench"
layout="$dir/bench/window.json"
"$bench" --describe="$layout"

# The calculator starts with no session and with the largest case to restore, each in a data folder of its own.
# A run keeps its session on leaving (the last page it opened shown), so every run starts from a fresh copy.
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
mkdir -p "$out/kept"
"$bench" --write-session="$out/kept"
fresh() { rm -rf "$out/empty" "$out/session" && mkdir "$out/empty" && cp -r "$out/kept" "$out/session"; }

runs=${VXR_BENCH_RUNS:-15}
names=(calculator "calculator, session restored" bare)
commands=("env XDG_DATA_HOME=$out/empty $bench --start=calculator"
          "env XDG_DATA_HOME=$out/session $bench --start=calculator" "$bench --start=bare --layout=$layout")
for other in "$@"; do names+=("$other"); commands+=("env XDG_DATA_HOME=$out/empty $other --start=calculator"); done
for run in $(seq "$runs"); do
  for ((k = 0; k < ${#names[@]}; k++)); do
    i=$(((k + run) % ${#names[@]}))
    fresh
    ${commands[$i]} >>"$out/$i"
  done
done

# Median, quartiles and extremes of one field of one window's runs.
stats() { grep -o "$1=[0-9.]*" "$2" | cut -d= -f2 | sort -n | awk -v s="$3" '{ v[NR] = $1 / s }
  END { printf "%8.1f  (quartiles %.1f–%.1f, range %.1f–%.1f)", v[int((NR + 1) / 2)], v[int((NR + 3) / 4)],
        v[int((3 * NR + 3) / 4)], v[1], v[NR] }'; }
echo "Fresh processes, $runs runs each, taken in turns:"
for ((i = 0; i < ${#names[@]}; i++)); do
  echo "  ${names[$i]}"
  echo "    entry to first frame, ms        $(stats first_frame_ms "$out/$i" 1)"
  echo "    processor time by then, ms      $(stats cpu_ms "$out/$i" 1)"
  echo "    peak memory, every page, MiB    $(stats peak_kib "$out/$i" 1024)"
done
echo
"$bench" --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true
