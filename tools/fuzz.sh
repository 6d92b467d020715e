#!/bin/sh
# Runs every fuzz target on a copy of its seed corpus for DURATION seconds each (default 30).
# A crash or a failed property stops it with the target's output; the input that caused it is
# kept as fuzz-findings/<target>-crash-... to add to tests/fuzz/corpus/<target>/ with the fix.
#   tools/fuzz.sh [BUILD_DIR] [DURATION]      (BUILD_DIR configured with -DDUOBAND_FUZZ=ON)
set -e
cd "$(dirname "$0")/.."
BUILD=${1:-build-fuzz}
DURATION=${2:-30}
mkdir -p fuzz-findings
for target in fuzz_datafile fuzz_ini fuzz_digits fuzz_csv fuzz_clone; do
    work=$(mktemp -d)
    cp tests/fuzz/corpus/$target/* "$work"/
    log="$work.log"
    if ! "$BUILD/fuzz/$target" -max_total_time="$DURATION" -print_final_stats=1 \
        -timeout=20 -rss_limit_mb=2048 -artifact_prefix="fuzz-findings/$target-" \
        "$work" >"$log" 2>&1; then
        tail -60 "$log"
        echo "$target: FAILED (input kept in fuzz-findings/)"
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$target: $runs executions in $DURATION s, corpus $(ls "$work" | wc -l) inputs"
    rm -rf "$work" "$log"
done
