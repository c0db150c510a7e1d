#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; then builds again with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test once more, where any sanitizer report (leaks included) fails.
# The two build folders default to build/ and build-asan/; VXR_BUILD_DIR and VXR_ASAN_BUILD_DIR move them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VXR_BUILD_DIR:-"$root/build"}
asan_build=${VXR_ASAN_BUILD_DIR:-"$root/build-asan"}
"$root/scripts/deps.sh"
export QT_QPA_PLATFORM=offscreen

"$root/scripts/build.sh" "$build"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
"$root/scripts/build.sh" "$asan_build" -DVXR_SANITIZE=ON
ctest --test-dir "$asan_build" --output-on-failure -j "$(nproc)"
