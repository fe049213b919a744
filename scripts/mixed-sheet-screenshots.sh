#!/usr/bin/env bash
# The "Karma Sayfa" window under Xvfb at 1366x768 (with a small window manager
# for its title bar) and three shipped presets' sheets at 300 dpi, scaled down,
# into docs/mixed-sheet/. Needs xvfb, openbox, xdotool, ImageMagick, poppler.
# Usage: scripts/mixed-sheet-screenshots.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
docs=$here/docs/mixed-sheet
if [ -z "${ZARVIK_SHOTS_IN_X:-}" ]; then
  ZARVIK_SHOTS_IN_X=1 exec xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$build"
fi
mkdir -p "$docs"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

for preset in 3-sinif-12-hafta 2-sinif-saatler-ve-paralar 4-sinif-kesirler-ve-buyuk-sayilar; do
  "$build/cli/zarvik-cli" sheet "$preset" --time 1733788800 --teacher "Elif Öğretmen" \
    --date 10/12/2026 -o "$work/$preset.pdf"
  pdftoppm -r 300 -png -f 1 -l 1 "$work/$preset.pdf" "$work/$preset"
  /usr/bin/convert "$work/$preset"-*1.png -resize 1000x "$docs/$preset.png"
done

openbox >/dev/null 2>&1 &
sleep 1
(cd "$work" && exec "$build/app/zarvik" 2>/dev/null) &
sleep 3
xdotool key Return  # the update reminder that a run long after the release shows
sleep 1
launcher=$(xdotool search --onlyvisible --name '^Zarvik 2\.05$' | head -1)
# "Karma Sayfa", alone in the launcher's last row of buttons.
xdotool mousemove --window "$launcher" 56 212 click 1
sleep 2
window=$(xdotool search --onlyvisible --name '^Karma Sayfa$' | head -1)
import -frame -window "$window" "$docs/window.png"
