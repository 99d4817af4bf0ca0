#!/usr/bin/env bash
# Builds the fuzz targets with clang in their own build folder and runs each for a fixed time on
# its seed corpus: the reader 40 s, the HTML importer 25 s, the sitemap importer 25 s (set
# READER_SECONDS, HTML_SECONDS, SITEMAP_SECONDS to change them). Any crash, leak or sanitizer
# report fails the script.
# Usage: tests/fuzz/run.sh [BUILD_FOLDER] (default: build-fuzz beside the sources)
set -euo pipefail

src="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$src/build-fuzz}"

cmake -S "$src" -B "$build" -G Ninja \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMENULOOM_FUZZ=ON -DMENULOOM_GUI=OFF -DMENULOOM_TESTS=OFF -DMENULOOM_BENCH=OFF
ninja -C "$build" -j2 reader_fuzz html_fuzz sitemap_fuzz

# fuzz TARGET SECONDS DICT SEEDS: new inputs go to a scratch corpus; the seeds are only read.
fuzz() {
    local target="$1" seconds="$2" dict="$3" seeds="$4"
    local corpus="$build/fuzz-corpus-${target%_fuzz}"
    mkdir -p "$corpus"
    (cd "$build" && "./$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=65536 -dict="$dict" -print_final_stats=1 "$corpus" "$seeds")
    echo "$target: no crash, leak or sanitizer report in ${seconds}s"
}

fuzz reader_fuzz "${READER_SECONDS:-40}" "$src/tests/fuzz/reader.dict" "$src/tests/data/fuzz-seeds"
fuzz html_fuzz "${HTML_SECONDS:-25}" "$src/tests/fuzz/html.dict" "$src/tests/data/fuzz-seeds-html"
fuzz sitemap_fuzz "${SITEMAP_SECONDS:-25}" "$src/tests/fuzz/sitemap.dict" \
    "$src/tests/data/fuzz-seeds-sitemap"
