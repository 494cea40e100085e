#!/usr/bin/env bash
# Shows, on a private X display with a notification area, that a second start brings the running
# Quillmere forward from the notification area and touches no file of its folder.
# Usage: tools/second_start.sh [build folder]   (default build/dev, built with its benchmarks)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
helper=$build/bench/tracker/x_session_helper
folder=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$folder"' EXIT
cp "$build/program/Quillmere" "$folder/"
printf 'User=Élise\r\nMessage=1=Faux\r\nActivity=Réunion\r\n' >"$folder/Quillmere.ini"
printf '%s\r\n08:30:00, 25,Réunion,\r\n' "$(date +%d/%m/%Y)" >"$folder/Quillmere.day"
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
read -r -t 10 number <&"$fd"
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb
"$helper" tray >"$folder/tray" 2>/dev/null &
pids+=($!)
until [ -s "$folder/tray" ]; do sleep 0.1; done
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
before=$(ls -la --time-style=full-iso "$folder" | md5sum)
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
if [ "$before" = "$(ls -la --time-style=full-iso "$folder" | md5sum)" ]; then
    echo "no file of the program folder was touched"
else
    echo "the program folder changed" >&2
    status=1
fi
exit $status
