#!/usr/bin/env bash
# Runs the engine's cross-engine tests: the same bodies in Chromium, Firefox ESR and WebKitGTK
# (MiniBrowser through WebKitWebDriver), on pages that menuloom-cli export writes, with the
# shipped engine copy, build/zelmenu.js (or the file in ZELMENU_JS).
#   run.sh [chromium|firefox|webkit ...] [--only TEXT]
# WebKitGTK needs a display: without DISPLAY the run happens inside xvfb-run.
set -euo pipefail
cd "$(dirname "$0")"
top="$(cd ../../.. && pwd)"
export ZELMENU_JS="${ZELMENU_JS:-$top/build/zelmenu.js}"
export MENULOOM_CLI="${MENULOOM_CLI:-$top/build/menuloom-cli}"
for f in "$ZELMENU_JS" "$MENULOOM_CLI"; do
    if [ ! -f "$f" ]; then
        echo "engine cross tests: $f not found: build first (cmake --build build)" >&2
        exit 1
    fi
done
# The clients come from the lock file; no install scripts, so nothing else is downloaded.
if [ ! -f node_modules/puppeteer-core/package.json ] || [ ! -f node_modules/webdriver/package.json ]; then
    PUPPETEER_SKIP_DOWNLOAD=1 npm ci --ignore-scripts --no-audit --no-fund
fi
export WDIO_LOG_LEVEL="${WDIO_LOG_LEVEL:-error}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    if ! command -v xvfb-run >/dev/null; then
        echo "engine cross tests: no display and no xvfb-run (Debian package: xvfb)" >&2
        exit 1
    fi
    exec xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp" node cross.mjs "$@"
fi
exec node cross.mjs "$@"
