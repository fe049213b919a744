#!/usr/bin/env bash
# Builds Zarvik with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the whole test suite there.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-asan}
"$here/scripts/build.sh" "$build" -DZARVIK_SANITIZE=ON -DZARVIK_BENCH=OFF
# Leaks inside fontconfig and the graphics stack are not the program's; see lsan.supp.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/scripts/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# A handler runs some five times slower here, and CI's machine may be busy:
# the random-use test's bar for the longest stall is 5 s here, 2 s in the
# plain build (its longest stalls here have been under 0.5 s).
export ZARVIK_RANDOM_USE_STALL_MS=${ZARVIK_RANDOM_USE_STALL_MS:-5000}
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
