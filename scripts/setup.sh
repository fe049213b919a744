#!/usr/bin/env bash
# Installs what Zarvik needs to build, run and test on Debian 12. Safe to run
# again: apt-get skips what is already installed.
set -euo pipefail

packages=(
  # build
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev libgl-dev libcups2-dev
  # build: the answers' QR codes on the pages
  libqrencode-dev
  # run: Turkish translation of Qt's buttons, fonts for the printed pages, xdg-open for Zarvik.txt
  # (Andika prints the designs' "Comic Sans MS": Comic Neue lacks ğ, Ğ and İ)
  qt6-translations-l10n qt6-qpa-plugins fonts-liberation2 fonts-sil-andika fonts-comic-neue
  fonts-dejavu-core libcups2 xdg-utils
  # tests: GoogleTest, PDF text extraction, a virtual PDF printer
  libgtest-dev googletest python3 poppler-utils cups printer-driver-cups-pdf
  # tests: the web pages in a real browser (driven by Node.js, scripts/setup-npm.sh),
  # and the QR codes read back from the pages
  chromium zbar-tools
  # tests: the board on a real X screen (BoardScreen.*)
  xvfb xauth
  # tests: the Turkish dictionary that checks every word of the generated word problems
  hunspell hunspell-tr
  # package: icons from the SVG, the completion's test, the package's checks
  librsvg2-bin bash-completion man-db appstream desktop-file-utils lintian
  # the Debian package's build (dpkg-buildpackage with debhelper)
  debhelper
  # fuzzing (scripts/fuzz.sh): clang with libFuzzer and the sanitizers' runtimes
  clang libclang-rt-14-dev
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Node.js and npm for the browser test (scripts/setup-npm.sh), from Debian
# unless a node and npm are installed already (another packaging of Node.js
# brings npm itself and conflicts with Debian's).
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends nodejs npm
fi
