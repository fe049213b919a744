#!/usr/bin/env bash
# Installs what is needed, builds, and runs the whole test suite.
#
# The printing tests print on the default printer. Where no CUPS scheduler is
# running (a fresh CI machine), this script starts one with a PDF queue
# (cups-pdf) as the default printer, and stops it again when it ends, also on
# failure. A scheduler that was already running is left as it is.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/setup-npm.sh"
# Warnings are errors here, so a warning never lands unnoticed.
"$here/scripts/build.sh" "$here/build" -DZARVIK_WERROR=ON

cupsd_pid=""
stop_cupsd() {
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
}
trap stop_cupsd EXIT

scheduler_running() { lpstat -r 2>/dev/null | grep -q "^scheduler is running"; }

if [ "$(id -u)" -eq 0 ] && command -v cupsd >/dev/null 2>&1 && ! scheduler_running; then
  cupsd -f >/dev/null 2>&1 &
  cupsd_pid=$!
  for _ in $(seq 50); do scheduler_running && break; sleep 0.2; done
  if scheduler_running; then
    lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
    lpadmin -d PDF
    echo "test.sh: started cupsd (pid $cupsd_pid) with the PDF queue as default printer"
  else
    echo "test.sh: cupsd did not start; the printing tests will be skipped" >&2
  fi
fi

log=$(mktemp)
trap 'stop_cupsd; rm -f "$log"' EXIT
ctest --test-dir "$here/build" --output-on-failure -j"$(nproc)" | tee "$log"
# CI sets ZARVIK_NO_SKIPS=1: there every test must run, so a test that skips
# (no printer, no way to mount its small disk) fails the run instead.
if [ "${ZARVIK_NO_SKIPS:-0}" = 1 ] && grep -q "tests did not run" "$log"; then
  echo "test.sh: tests were skipped, which CI does not allow" >&2
  exit 1
fi
