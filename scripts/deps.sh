#!/usr/bin/env bash
# Installs, with apt-get, whatever the build, the designer and the tests need and is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config ccache
    clang libclang-rt-14-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-webengine-dev qt6-svg-dev libgl-dev
    xvfb xauth imagemagick
    chromium
    # the Debian package (dependencies from the binaries) and the desktop entry check
    dpkg-dev file desktop-file-utils
)
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The engine's minifier (engine/package-lock.json pins it), for the shipped zelmenu.js.
engine_dir="$(cd "$(dirname "$0")/../engine" && pwd)"
if [[ ! -f "$engine_dir/node_modules/terser/package.json" ]]; then
    (cd "$engine_dir" && npm ci --no-audit --no-fund)
fi
