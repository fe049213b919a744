#!/usr/bin/env bash
# CI: builds the Debian package from build/ (or the folder given as $1), checks
# it with lintian, installs it, runs the installed programs once (zarvik-cli
# makes a page in a scratch folder, the window program starts headless for a
# second), and removes it again with whatever the installation pulled in, so
# the machine is left as it was. Needs root (apt-get) and scripts/setup.sh's
# packages.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
say() { echo "package-check: $*"; }

if dpkg-query -W -f='${Status}' zarvik 2>/dev/null | grep -q "install ok installed"; then
  say "zarvik is installed already; remove it first (apt remove zarvik), so that this check can leave the machine as it found it" >&2
  exit 1
fi

rm -f "$build"/zarvik_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/zarvik_*.deb)
deb=${debs[0]}
say "built $(basename "$deb")"
lintian --fail-on error,warning "$deb"

scratch=$(mktemp -d)
before=$scratch/packages-before
dpkg-query -W -f='${Package}\n' | sort >"$before"
cleanup() {
  local status=$?
  if dpkg-query -W -f='${Status}' zarvik 2>/dev/null | grep -q "installed"; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq zarvik >/dev/null
    # What apt installed for the package goes too; nothing that was there before.
    local added
    added=$(dpkg-query -W -f='${Package}\n' | sort | comm -13 "$before" -)
    if [ -n "$added" ]; then
      # shellcheck disable=SC2086
      DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq $added >/dev/null
    fi
    say "removed zarvik${added:+ and }${added//$'\n'/ }"
  fi
  rm -rf "$scratch"
  exit "$status"
}
trap cleanup EXIT

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
say "installed"

# What the package puts where desktops, software centres, man and bash look.
appstreamcli validate --no-net /usr/share/metainfo/org.example.zarvik.metainfo.xml
desktop-file-validate /usr/share/applications/org.example.zarvik.desktop
for f in /usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/zarvik.png \
         /usr/share/icons/hicolor/scalable/apps/zarvik.svg \
         /usr/share/man/man1/zarvik.1.gz /usr/share/man/man1/zarvik-cli.1.gz \
         /usr/share/bash-completion/completions/zarvik-cli; do
  [ -s "$f" ] || { say "$f is missing" >&2; exit 1; }
done

/usr/bin/zarvik-cli --version
(cd "$scratch" && /usr/bin/zarvik-cli column --page a4 --op Toplama --prop "Eldesiz Toplama" \
    --answers 3 --time 1700000000 -o x.pdf 2>/dev/null)
[ "$(head -c 5 "$scratch/x.pdf")" = "%PDF-" ] || { say "zarvik-cli column wrote no PDF" >&2; exit 1; }
say "zarvik-cli column wrote a PDF of $(stat -c %s "$scratch/x.pdf") bytes"
# The shipped mixed-sheet presets are found where the package puts them.
ls /usr/share/zarvik/presets/*.zarvik >/dev/null || { say "no presets in /usr/share/zarvik/presets" >&2; exit 1; }
(cd "$scratch" && /usr/bin/zarvik-cli sheet 3-sinif-12-hafta -o sheet.pdf 2>/dev/null)
[ "$(head -c 5 "$scratch/sheet.pdf")" = "%PDF-" ] || { say "zarvik-cli sheet wrote no PDF" >&2; exit 1; }

# Still running after a second (no crash at start-up), then stopped.
(cd "$scratch" && QT_QPA_PLATFORM=offscreen exec /usr/bin/zarvik >/dev/null 2>&1) &
window=$!
sleep 1
if ! kill -0 "$window" 2>/dev/null; then
  wait "$window" && status=0 || status=$?
  say "the installed zarvik ended within a second (status $status)" >&2
  exit 1
fi
kill "$window"
wait "$window" 2>/dev/null || true
say "the installed zarvik ran headless for a second"
