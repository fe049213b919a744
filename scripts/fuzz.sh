#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/ and runs each on its corpus
# (tests/fuzz/corpus/<target>/) for the given seconds, two at a time. New
# inputs go to a scratch folder, so the corpora in the repository stay as
# they are. Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  # One target for every family of the registry, then the class list, the
  # mixed sheets' presets and the CLI.
  for command in $(sed -n 's/^ *F([a-z_]*, *\([a-z_]*\)).*/\1/p' "$here/common/core/FamilyList.h"); do
    targets+=("${command}_fuzzer")
  done
  targets+=(classlist_fuzzer preset_fuzzer cli_fuzzer)
fi
build=${ZARVIK_FUZZ_BUILD:-$here/build-fuzz}
launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DZARVIK_FUZZ=ON -DZARVIK_SANITIZE=ON -DZARVIK_BENCH=OFF -DZARVIK_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >/dev/null

# ZARVIK_FUZZ_KEEP=DIR keeps the logs, new inputs and findings there.
if [ -n "${ZARVIK_FUZZ_KEEP:-}" ]; then
  scratch=$ZARVIK_FUZZ_KEEP
  mkdir -p "$scratch"
else
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen
run() {
  local target=$1 status=0
  mkdir -p "$scratch/$target"
  # -rss_limit_mb: an input that needs more than this is a finding too.
  "$build/tests/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$scratch/$target-" -print_final_stats=1 \
    "$scratch/$target" "$here/tests/fuzz/corpus/$target" >"$scratch/$target.log" 2>&1 ||
    status=$?
  local execs cov
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/$target.log" || true)
  cov=$(grep -o 'cov: [0-9]*' "$scratch/$target.log" | tail -1 || true)
  echo "$target: ${execs:-?} runs, ${cov:-cov: ?}, exit $status"
  if [ $status -ne 0 ]; then
    tail -40 "$scratch/$target.log"
    for artifact in "$scratch/$target"-*; do
      [ -e "$artifact" ] && { echo "input: $artifact"; od -c "$artifact" | head -20; }
    done
  fi
  return $status
}
failed=0
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  run "${targets[i]}" & first=$!
  second=""
  if [ $((i + 1)) -lt ${#targets[@]} ]; then run "${targets[i + 1]}" & second=$!; fi
  wait $first || failed=1
  if [ -n "$second" ]; then wait $second || failed=1; fi
done
exit $failed
