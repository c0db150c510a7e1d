#!/usr/bin/env bash
# Builds the fuzz targets (the calculation core; the case-file reader) with clang and libFuzzer, runs each for the
# given number of seconds at low priority, and prints the executions run and the findings. Not part of the test
# command. The corpus is kept between runs; an input that broke something is saved under findings/.
# Usage: scripts/fuzz.sh SECONDS      VXR_FUZZ_BUILD_DIR moves the build folder (default build-fuzz/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:?usage: scripts/fuzz.sh SECONDS}
build=${VXR_FUZZ_BUILD_DIR:-"$root/build-fuzz"}
jobs=1
targets=(calculations case_file)

"$root/scripts/deps.sh" clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S "$root/fuzz" -B "$build" -DCMAKE_BUILD_TYPE= >/dev/null  # flags of its own, asserts on
cmake --build "$build" -j "$(nproc)"

run_target() {
    local name=$1
    local corpus="$build/corpus/$name" findings="$build/findings/$name/"
    mkdir -p "$corpus" "$findings"
    nice -n 10 "$build/fuzz_$name" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -dict="$root/fuzz/$name.dict" -max_len=12000 -artifact_prefix="$findings" "$corpus" "$root/fuzz/seeds/$name" \
        >"$build/$name.log" 2>&1 || true
}

for name in "${targets[@]}"; do
    [[ -x "$build/fuzz_$name" ]] || { echo "no fuzz target named $name" >&2; exit 2; }
    while [[ $(jobs -rp | wc -l) -ge $jobs ]]; do wait -n || true; done
    echo "fuzzing $name for $seconds s"
    run_target "$name" &
done
wait

status=0
printf '%-20s %15s %10s  %s\n' target executions findings result
for name in "${targets[@]}"; do
    log="$build/$name.log"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    found=$(find "$build/findings/$name" -type f | wc -l)
    result=ok
    if [[ -z $runs ]]; then
        result="FAILED: did not run, see $log"
        status=1
    elif grep -q -E 'broken invariant|ERROR: (AddressSanitizer|libFuzzer|UndefinedBehaviorSanitizer)|runtime error' "$log"; then
        result="FAILED: $(grep -m 1 -E 'broken invariant|ERROR:|runtime error' "$log")"
        status=1
    fi
    printf '%-20s %15s %10s  %s\n' "$name" "${runs:-?}" "$found" "$result"
done
exit $status
