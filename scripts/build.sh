#!/usr/bin/env bash
# Configures and builds everything into build/ (a runnable program folder).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MENULOOM_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "${MENULOOM_JOBS:-2}"
