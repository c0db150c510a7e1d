#!/usr/bin/env bash
# Configures and builds into build/ (or the folder given), with as many jobs as the machine has cores; further
# arguments go to the configure step. VXR_TARGET, when set, builds that target only.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-"$root/build"}
shift || true
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)" ${VXR_TARGET:+--target "$VXR_TARGET"}
