#!/usr/bin/env bash
# Renders the half-page window with its "Sınıf seti…" dialog into
# docs/class-set-window.png, and a two-up page (two A5 sheets on one A4) into
# docs/two-up-page.png. Needs xvfb, openbox, xdotool, ImageMagick and poppler.
# Usage: scripts/class-set-screenshots.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
if [ -z "${ZARVIK_SHOTS_IN_X:-}" ]; then
  ZARVIK_SHOTS_IN_X=1 exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$build"
fi

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
openbox >/dev/null 2>&1 &
sleep 1
(cd "$work" && exec "$build/app/zarvik" 2>/dev/null) &
sleep 2
xdotool key Return  # the update reminder
sleep 1
launcher=$(xdotool search --onlyvisible --name '^Zarvik 2\.05$' | head -1)
xdotool mousemove --window "$launcher" 56 148 click 1  # "Yarım Sayfa"
sleep 1
window=$(xdotool getactivewindow)
xdotool mousemove --window "$window" 120 58 click 1    # İşlem
sleep 0.3
xdotool key Return
sleep 0.3
xdotool mousemove --window "$window" 120 82 click 1    # Özellik
sleep 0.3
xdotool key Return
sleep 0.3
xdotool mousemove --window "$window" 100 222 click 1   # Sınıf seti…
sleep 1
xdotool windowmove "$window" 40 150                     # side by side
xdotool windowmove "$(xdotool getactivewindow)" 280 150
sleep 0.5
import -window root "$work/root.png"
convert "$work/root.png" -trim "$here/docs/class-set-window.png"

"$build/cli/zarvik-cli" column --page a5 --op Toplama --prop "Eldesiz Toplama" \
  --time 1222833600 --sheets 2 --two-up -o "$work/two.pdf"
pdftoppm -r 60 -png -singlefile "$work/two.pdf" "$here/docs/two-up-page"
