#!/usr/bin/env bash
# Configures and builds everything into build/ (a runnable program folder).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MENULOOM_BUILD_DIR:-$root/build}
launcher=()
if command -v ccache >/dev/null 2>&1; then
    # Paths below the source folder are hashed relative to it, and the working folder not at
    # all, so that another clone reuses what this one compiled.
    export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
cmake --build "$build" -j "${MENULOOM_JOBS:-2}"
