#!/usr/bin/env bash
# Shows, on a private X display with a notification area, that a second start brings the running
# Quillmere forward from the notification area and touches no file of its folder.
# Usage: tools/second_start.sh [build folder]   (default build/dev, built with its benchmarks)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
helper=$build/bench/tracker/x_session_helper
settings=(User=Élise Message=1=Faux Activity=Réunion)
day=("$(date +%d/%m/%Y)" "08:30:00, 25,Réunion,")
# shellcheck source=tools/private_desktop.sh
source tools/private_desktop.sh
"$folder/Quillmere" 2>/dev/null &
pids+=($!)
main=$(timeout 20 xdotool search --sync --onlyvisible --name "^Quillmere - v" | head -n 1)
"$helper" close "$main"
sleep 1
if xdotool search --onlyvisible --name "^Quillmere - v" >/dev/null; then
    echo "the main window did not go to the notification area" >&2
    exit 1
fi
echo "Quillmere waits in the notification area"
before=$(ls -lA --time-style=full-iso "$folder")
"$folder/Quillmere" 2>/dev/null
echo "the second start ended with $?"
sleep 1
status=0
if xdotool search --onlyvisible --name "^Quillmere - v" >/dev/null; then
    echo "the running Quillmere's main window is shown again"
else
    echo "the main window was not shown" >&2
    status=1
fi
after=$(ls -lA --time-style=full-iso "$folder")
if [ "$before" = "$after" ]; then
    echo "no file of the program folder was touched"
else
    echo "the program folder changed:" >&2
    diff <(echo "$before") <(echo "$after") >&2 || true
    status=1
fi
exit $status
