#!/usr/bin/env bash
# Runs every fuzz target in DIR for SECONDS each with a fixed seed, starting
# from its seed corpus in CORPUS/<family> (new inputs go to a scratch
# directory, not into the tree). A failing input is kept in the scratch
# directory and its path printed.
set -euo pipefail
dir=$1 corpus=$2 seconds=${3:-20}
work=$(mktemp -d)
passed=0 failed=0
for target in "$dir"/fuzz_*; do
    family=${target##*/fuzz_}
    mkdir -p "$work/$family"
    echo "-- $family (${seconds}s)"
    if "$target" -seed=1 -max_total_time="$seconds" -timeout=60 -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$work/$family-" "$work/$family" "$corpus/$family" > "$work/$family.log" 2>&1; then
        grep -E '^(stat::number_of_executed_units|Done)' "$work/$family.log" | tail -1 || true
        passed=$((passed + 1))
    else
        tail -40 "$work/$family.log"
        echo "failing input kept in $work"
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && rm -rf "$work"
[ "$failed" -eq 0 ]
