#!/usr/bin/env bash
# Renders the launcher and the text worksheet window under Xvfb (with a small
# window manager for the title bars) into docs/launcher.png and
# docs/text-window.png. Needs xvfb, openbox, xdotool and ImageMagick.
# Usage: scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
for tool in xvfb-run openbox xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install xvfb openbox xdotool imagemagick)" >&2; exit 1; }
done
if [ -z "${ZARVIK_SHOTS_IN_X:-}" ]; then
  ZARVIK_SHOTS_IN_X=1 exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$build"
fi

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
openbox >/dev/null 2>&1 &
sleep 1
(cd "$work" && exec "$build/app/zarvik" 2>/dev/null) &
sleep 2
xdotool key Return  # the update reminder that a run long after the release shows
sleep 1
launcher=$(xdotool search --onlyvisible --name '^Zarvik 2\.05$' | head -1)
import -frame -window "$launcher" "$here/docs/launcher.png"

# "Yan Yana!", the first button of the tab order, has the focus.
xdotool windowactivate --sync "$launcher" key space
sleep 1
text=$(xdotool search --onlyvisible --name 'example\.org|^Zarvik 2\.02$' | head -1)
menu=$(( $(xdotool getwindowgeometry --shell "$text" | sed -n 's/^HEIGHT=//p') - 356 - 119 ))
# İşlemler > Toplama > İkiden fazla sayı ile toplama, then the three fields
# (the window is 356 pixels high under its menu, plus the 119 of its print rows).
xdotool mousemove --window "$text" 30 $((menu / 2)) click 1
sleep 0.3
xdotool key Down Right Down Down Down Down Return
sleep 0.3
xdotool mousemove --window "$text" 40 $((menu + 146)) click 1
xdotool type 20
xdotool key Tab
xdotool type 4
xdotool key Tab
xdotool type 3
xdotool key Return  # the default button: Zarvik.txt is written
sleep 0.5
import -frame -window "$text" "$here/docs/text-window.png"
[ -s "$work/Zarvik.txt" ] && echo "Zarvik.txt written: $(wc -l <"$work/Zarvik.txt") lines"
