#!/usr/bin/env bash
# Installs what is missing, builds, and starts the designer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MENULOOM_BUILD_DIR:-$root/build}
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
if [[ $(id -u) -eq 0 ]]; then
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display found: starting the designer under xvfb-run (invisible)." >&2
    exec xvfb-run -a -s "-screen 0 1400x900x24" "$build/menuloom" "$@"
fi
exec "$build/menuloom" "$@"
