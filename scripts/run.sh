#!/usr/bin/env bash
# Installs what is needed, builds, and prepares a sample worksheet.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
"$here/build/cli/zarvik-cli" text 105 --count 20 --p1 4 --p2 3 -o "$here/Zarvik.txt"
echo "Zarvik.txt: 20 addition exercises with up to four numbers:"
iconv -f WINDOWS-1254 -t UTF-8 "$here/Zarvik.txt"
