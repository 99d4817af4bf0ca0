#!/usr/bin/env bash
# Builds the reader fuzz target with clang in its own build folder and runs it for about a
# minute on the seed corpus. Any crash, leak or sanitizer report fails the script.
# Usage: tests/fuzz/run.sh [BUILD_FOLDER] (default: build-fuzz beside the sources)
set -euo pipefail

src="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$src/build-fuzz}"
seconds="${FUZZ_SECONDS:-60}"

cmake -S "$src" -B "$build" -G Ninja \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMENULOOM_FUZZ=ON -DMENULOOM_GUI=OFF -DMENULOOM_TESTS=OFF -DMENULOOM_BENCH=OFF
ninja -C "$build" -j2 reader_fuzz

# New inputs go to a scratch corpus; the seeds in the repository are only read.
corpus="$build/fuzz-corpus"
mkdir -p "$corpus"
cd "$build"
./reader_fuzz -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -dict="$src/tests/fuzz/reader.dict" -print_final_stats=1 \
    "$corpus" "$src/tests/data/fuzz-seeds"
echo "reader fuzzing: no crash, leak or sanitizer report in ${seconds}s"
