#!/usr/bin/env bash
# Installs the npm packages of the browser test (tests/browser) exactly as
# their lock file names them. Chromium is Debian's (scripts/setup.sh), so
# puppeteer-core downloads no browser.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here/tests/browser"
# Installed already from this very lock file: nothing to do.
if cmp -s package-lock.json node_modules/.zarvik-installed-lock 2>/dev/null; then exit 0; fi
PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
cp package-lock.json node_modules/.zarvik-installed-lock
