#!/usr/bin/env bash
# Runs the engine's browser tests: headless Chromium driven by playwright-core, pages served
# from a loopback server that the tests start and stop themselves. They test the shipped
# engine, build/zelmenu.js (or the file in ZELMENU_JS), not the readable source.
set -euo pipefail
cd "$(dirname "$0")"
CHROMIUM="${CHROMIUM:-/usr/bin/chromium}"
if [ ! -x "$CHROMIUM" ]; then
    echo "engine tests: $CHROMIUM not found (Debian package: chromium)" >&2
    exit 1
fi
export ZELMENU_JS="${ZELMENU_JS:-$(cd ../.. && pwd)/build/zelmenu.js}"
if [ ! -f "$ZELMENU_JS" ]; then
    echo "engine tests: $ZELMENU_JS not found: build first (cmake --build build)" >&2
    exit 1
fi
if [ ! -d node_modules/playwright-core ] || [ ! -d node_modules/axe-core ]; then
    npm ci --no-audit --no-fund
fi
exec node --test --test-concurrency=1 ./*.test.mjs
