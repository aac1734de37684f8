#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time (default 60 seconds).
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

for target in reassembly frame_check; do
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus"
    build/fuzz/fuzz/fuzz_seeds "$corpus" "$target"
    echo "== fuzz_$target for ${seconds}s"
    build/fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix=build/fuzz/ "$corpus" 2>&1 | tail -n 12
    # libFuzzer's own exit status is lost in the pipe above; a crash leaves an artifact.
    if ls build/fuzz/crash-* build/fuzz/leak-* build/fuzz/timeout-* >/dev/null 2>&1; then
        echo "fuzz_$target found a failing input:" build/fuzz/crash-* build/fuzz/leak-* build/fuzz/timeout-* 2>/dev/null
        exit 1
    fi
done
