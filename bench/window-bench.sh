#!/usr/bin/env bash
# Start-up time to the launcher on screen, resident memory, and the time of
# one text worksheet preparation, under Xvfb (runs window_bench five times),
# then the resident memory of the real zarvik program with its windows.
# Usage: bench/window-bench.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
bench="$build/bench/window_bench"
[ -x "$bench" ] || { echo "build $bench first (scripts/build.sh)" >&2; exit 1; }

if [ -z "${ZARVIK_BENCH_IN_X:-}" ]; then
  ZARVIK_BENCH_IN_X=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build"
fi

for i in 1 2 3 4 5; do
  echo "== run $i"
  ZARVIK_BENCH_START_NS=$(date +%s%N) "$bench" 2>/dev/null | sed -n '1,7p;/median/,$p'
done
echo "== zarvik itself, 3 s after the start (the update reminder is up)"
folder=$(mktemp -d)
(cd "$folder" && exec "$build/app/zarvik" 2>/dev/null) &
pid=$!
sleep 3
grep VmRSS "/proc/$pid/status"
kill "$pid"
rm -rf "$folder"
