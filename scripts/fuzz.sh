#!/usr/bin/env bash
# Builds the fuzz targets with clang in build/fuzz and runs each for a bounded time.
# Usage: scripts/fuzz.sh [SECONDS]   (default 60 seconds per target)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_reassembly fuzz_frame_check fuzz_scanner_dialogue \
    fuzz_scanner_script fuzz_track fuzz_gnss_records fuzz_recording_reader fuzz_seeds

for target in reassembly frame_check scanner_dialogue scanner_script track gnss_records \
    recording_reader; do
    corpus=build/fuzz/corpus/$target
    log=build/fuzz/fuzz_$target.log
    mkdir -p "$corpus"
    build/fuzz/fuzz/fuzz_seeds "$corpus" "$target"
    echo "== fuzz_$target for ${seconds} s"
    if ! build/fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix=build/fuzz/ "$corpus" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_$target failed; the input that failed is in build/fuzz/" >&2
        exit 1
    fi
    grep -E '^(Done|stat::number_of_executed_units|stat::new_units_added)' "$log"
done
