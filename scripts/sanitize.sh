#!/usr/bin/env bash
# Builds the tests once more with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/)
# and runs every core, application and window test in it; any finding fails. The browser tests
# of the engine, the install and package tests and the benchmarks run in the main build only.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MENULOOM_ASAN_BUILD_DIR:-$root/build-asan}
launcher=()
if command -v ccache >/dev/null 2>&1; then
    export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMENULOOM_SANITIZE=ON -DMENULOOM_BENCH=OFF "${launcher[@]}"
cmake --build "$build" -j "${MENULOOM_JOBS:-2}"
export QT_QPA_PLATFORM=offscreen
[[ $(id -u) -ne 0 ]] || export QTWEBENGINE_DISABLE_SANDBOX=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j 2 --timeout 900 -E '^(engine|install)'
