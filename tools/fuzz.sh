#!/usr/bin/env bash
# Builds the fuzz preset and runs every file-reader fuzz target for a while.
# Usage: tools/fuzz.sh [seconds per target]   (default: 30)
# Exits non-zero when a target crashes, leaks past its limits or breaks one of its properties;
# the input that did it is kept under build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

findings=build/fuzz/findings
mkdir -p "$findings"
failed=()
for seeds in tests/fuzz/corpus/*/; do
    target=$(basename "$seeds")
    # New inputs go to a working corpus in the build folder; the seeds in the sources stay as
    # they are.
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus"
    echo "== fuzz_$target for ${seconds}s"
    if ! ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "build/fuzz/tests/fuzz/fuzz_$target" "$corpus" "$seeds" \
        -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$findings/$target-" -print_final_stats=1 2>"build/fuzz/$target.log"; then
        tail -n 40 "build/fuzz/$target.log"
        failed+=("$target")
    else
        grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "build/fuzz/$target.log" || true
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing found problems in: ${failed[*]} (inputs in $findings)" >&2
    exit 1
fi
echo "fuzzing found nothing in ${seconds}s per target"
