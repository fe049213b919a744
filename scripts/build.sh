#!/usr/bin/env bash
# Configures and builds Zarvik into build/ (or the folder given as $1).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "${@:2}" >/dev/null
cmake --build "$build" -j"$(nproc)"
