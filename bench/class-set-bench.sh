#!/usr/bin/env bash
# Class sets: time and peak memory of N A4 column sheets into one PDF, with and
# without the answer key, to see the time per page and that memory stays flat
# in N. Usage: bench/class-set-bench.sh [BUILD_DIR]
set -euo pipefail
build=${1:-$(cd "$(dirname "$0")/.." && pwd)/build}
cli="$build/cli/zarvik-cli"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
run() {
  local label=$1; shift
  /usr/bin/time -f "%e %M" -o "$out/t" "$cli" column --page a4 --op Toplama \
    --prop "Eldeli sayılarla karışık" --answers 3 --time 1222833600 "$@" -o "$out/set.pdf" 2>/dev/null
  read -r seconds kb < "$out/t"
  pages=$(pdfinfo "$out/set.pdf" | awk '/^Pages:/ {print $2}')
  printf '%-28s %5d pages %7.2f s %7.0f MB peak\n' "$label" "$pages" "$seconds" "$((kb / 1024))"
}
run "1 sheet" --sheets 1
run "100 sheets" --sheets 100
run "1000 sheets" --sheets 1000
run "1000 sheets + answer key" --sheets 1000 --answer-key
echo "per page: (time of 1000 sheets - time of 1 sheet) / 999, start-up excluded"
