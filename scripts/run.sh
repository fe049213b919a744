#!/usr/bin/env bash
# Installs what is needed, builds, and starts the Zarvik window. Zarvik.txt
# (the "Yan Yana!" worksheets) is written to the folder this is started from.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
exec "$here/build/app/zarvik"
