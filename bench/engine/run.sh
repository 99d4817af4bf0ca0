#!/usr/bin/env bash
# Runs the engine benchmark in headless Chromium; uses the engine tests' node_modules.
set -euo pipefail
cd "$(dirname "$0")"
tests=../../tests/engine
if [ ! -d "$tests/node_modules/playwright-core" ]; then
    (cd "$tests" && npm ci --no-audit --no-fund)
fi
exec node bench.mjs
