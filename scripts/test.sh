#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the core, the designer's windows
# (offscreen), the engine in headless Chromium, the benchmarks' smoke runs, the same core and
# window tests again under the sanitizers, and a short fuzzing run of the reader.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MENULOOM_BUILD_DIR:-$root/build}
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
[[ $(id -u) -ne 0 ]] || export QTWEBENGINE_DISABLE_SANDBOX=1
ctest --test-dir "$build" --output-on-failure -j 2 --timeout 600
bash "$root/scripts/sanitize.sh"
if [[ -f "$root/tests/fuzz/run.sh" ]]; then
    bash "$root/tests/fuzz/run.sh" "$root/build-fuzz"
fi
