#!/usr/bin/env bash
# Runs the engine benchmark in headless Chromium on the shipped engine, build/zelmenu.js (or
# the file in ZELMENU_JS); uses the engine tests' node_modules.
set -euo pipefail
cd "$(dirname "$0")"
export ZELMENU_JS="${ZELMENU_JS:-$(cd ../.. && pwd)/build/zelmenu.js}"
if [ ! -f "$ZELMENU_JS" ]; then
    echo "engine benchmark: $ZELMENU_JS not found: build first (cmake --build build)" >&2
    exit 1
fi
tests=../../tests/engine
if [ ! -d "$tests/node_modules/playwright-core" ]; then
    (cd "$tests" && npm ci --no-audit --no-fund)
fi
exec node bench.mjs
