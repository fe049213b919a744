#!/usr/bin/env bash
# CI: builds the Debian source and binary packages the Debian way
# (dpkg-buildpackage), twice, in two folders at two times, and checks that the
# two .deb files are byte for byte the same; checks the packages with lintian;
# installs the .deb, runs the installed programs (the autopkgtest's script and
# the desktop files' validators), and removes it again with whatever the
# installation pulled in, so the machine is left as it was. Needs root
# (apt-get) and scripts/setup.sh's packages.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
say() { echo "package-check: $*"; }

if dpkg-query -W -f='${Status}' zarvik 2>/dev/null | grep -q "install ok installed"; then
  say "zarvik is installed already; remove it first (apt remove zarvik), so that this check can leave the machine as it found it" >&2
  exit 1
fi
version=$(dpkg-parsechangelog -l "$here/debian/changelog" -S Version)

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
# The checkout as it is (tracked and new files, not the build folders), built
# in a folder of its own: dpkg-buildpackage builds in the source tree.
build_package() { # folder, extra DEB_BUILD_OPTIONS
  local tree=$scratch/$1/zarvik-$version
  mkdir -p "$tree"
  (cd "$here" && git ls-files -z --cached --others --exclude-standard |
     xargs -0 cp --parents -t "$tree")
  (cd "$tree" && DEB_BUILD_OPTIONS="parallel=$(nproc) $2" \
     dpkg-buildpackage -us -uc >"$scratch/$1.log" 2>&1) ||
    { tail -n 60 "$scratch/$1.log" >&2; say "dpkg-buildpackage failed in $1" >&2; exit 1; }
}
# ZARVIK_PACKAGE_NOCHECK=1 leaves the tests out of the first build too: CI
# has just run the same suite (scripts/test.sh), and they leave nothing in
# the package.
first_options=""
if [ "${ZARVIK_PACKAGE_NOCHECK:-0}" = 1 ]; then first_options=nocheck; fi
build_package first "$first_options"
say "built $(cd "$scratch/first" && ls -- *.deb *.dsc | tr '\n' ' ')${first_options:-(tests passed in dh_auto_test)}"
# The second build a while later, in a folder of another name and depth, and
# without the tests (they leave nothing in the package).
sleep 2
mkdir -p "$scratch/second/x"
build_package second/x "nocheck"
for deb in "$scratch"/first/*.deb; do
  cmp "$deb" "$scratch/second/x/$(basename "$deb")" ||
    { say "$(basename "$deb") differs between two builds" >&2; exit 1; }
done
say "reproducible: the second build's .deb files are byte-identical"
deb=$scratch/first/zarvik_${version}_$(dpkg --print-architecture).deb
lintian --pedantic --fail-on error,warning "$scratch"/first/zarvik_"${version}"_*.changes
say "lintian: no error, no warning (source, .dsc, .changes, .deb)"

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
say "installed"

# What the package puts where desktops, software centres, man and bash look.
appstreamcli validate --no-net /usr/share/metainfo/org.example.zarvik.metainfo.xml
desktop-file-validate /usr/share/applications/org.example.zarvik.desktop
for f in /usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/zarvik.png \
         /usr/share/icons/hicolor/scalable/apps/zarvik.svg \
         /usr/share/man/man1/zarvik.1.gz /usr/share/man/man1/zarvik-cli.1.gz \
         /usr/share/bash-completion/completions/zarvik-cli \
         /usr/share/doc/zarvik/copyright /usr/share/doc/zarvik/changelog.gz; do
  [ -s "$f" ] || { say "$f is missing" >&2; exit 1; }
done

/usr/bin/zarvik-cli --version
# The autopkgtest's script, against the installed package: every family's
# manual example, the mixed sheet's among them by a shipped preset's name.
mkdir "$scratch/autopkgtest"
AUTOPKGTEST_TMP=$scratch/autopkgtest "$here/debian/tests/installed-programs"
say "autopkgtest installed-programs passed"

