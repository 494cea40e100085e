#!/usr/bin/env bash
# Leaves Quillmere alone on a private X display for a little over a minute with Absence=1 and an
# activity running, then moves the mouse: the absence window must come, with the time of the
# last input, and "Compter une pause" must record the pause. Saves the screen with the window
# in $TMPDIR/quillmere-absence.png and prints the day file before and after.
# Usage: tools/absence_check.sh [build folder]   (default build/dev, built with its benchmarks)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
settings=(User=Élise Message=1=Faux Activity=Réunion Activity=Développement Absence=1)
day=("$(date +%d/%m/%Y)" "$(date -d "-60 min" +%T), 25,Réunion,")
# shellcheck source=tools/private_desktop.sh
source tools/private_desktop.sh
# A bus where no desktop service answers: the idle time comes from the X server.
privateBus DBUS_SESSION_BUS_ADDRESS
"$folder/Quillmere" 2>/dev/null &
pids+=($!)
changeToSecondActivity Développement
echo "last input at $(date +%T); the day file:"
sleep 1
cat "$folder/Quillmere.day"
echo "no input for 80 s..."
sleep 80
echo "the mouse moves at $(date +%T)"
xdotool mousemove 400 400
absence=$(timeout 30 xdotool search --sync --onlyvisible --name "^Quillmere - Absence$" | head -n 1)
echo "the absence window is up at $(date +%T)"
sleep 1
import -window root "${TMPDIR:-/tmp}/quillmere-absence.png"
xdotool windowfocus --sync "$absence" 2>/dev/null || true
xdotool key Return
sleep 1.5
echo "the day file after \"Compter une pause\":"
cat "$folder/Quillmere.day"
grep -q ', [0-9]*,pause,' "$folder/Quillmere.day"
