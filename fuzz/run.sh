#!/usr/bin/env bash
# Runs every fuzz target for FUZZ_SECONDS (default 120) each, one after the other,
# from the seeds in fuzz/seeds; findings land in build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-120}
mkdir -p build-fuzz/findings
for target in leading_number line_reader step_file action_file; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    echo "== fuzz_$target for ${seconds}s"
    build-fuzz/fuzz/fuzz_$target "$corpus" fuzz/seeds/$target \
        -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix=build-fuzz/findings/$target- 2>&1 \
        | grep -E '^#[0-9]+\s+DONE|^stat::(number_of_executed_units|new_units_added)|ERROR|SUMMARY'
done
