#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan and runs
# the whole test suite under them; any report stops the run with an error.
#   scripts/sanitize.sh [extra cmake options, e.g. -DAW_BUILD_UI=OFF]
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
build=${AW_ASAN_BUILD_DIR:-build-asan}
jobs=${AW_JOBS:-2}

# Leaks are reported too; the tools that run during the build (data generators) share them.
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp
export QT_QPA_PLATFORM=offscreen

cmake -S . -B "$build" -G Ninja -DAW_SANITIZE=ON -DAW_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j"$jobs"
ctest --test-dir "$build" --output-on-failure -j"$jobs"
