#!/usr/bin/env bash
# Starts the real QMStat on a generated journal and reports how long the figures took to reach
# the screen and the process's peak memory at that moment (best of three starts).
# Usage: bench/stats/startup_time.sh [entries] [build folder]   (needs Xvfb)
set -euo pipefail
entries=${1:-1000000}
build=${2:-build/dev}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$build/program/QMStat" "$folder/"
"$build/tools/journalgen/qm-journalgen" "$entries" "$folder/Quillmere.log" --out-of-order 2
cat "$folder/Quillmere.log" >/dev/null
for _ in 1 2 3; do
    QMSTAT_QUIT_AFTER_SHOW=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$folder/QMStat" 2>&1 \
        | grep '^QMStat:'
done
