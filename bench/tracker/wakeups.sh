#!/usr/bin/env bash
# Counts how often the real program wakes up while it waits hidden in the notification area,
# with an activity running: the context switches of all its threads (each voluntary one is a
# wake-up that found nothing more to do) and the CPU time it used, over a quiet stretch.
# Usage: bench/tracker/wakeups.sh [build folder] [seconds] [settings file...]
# Each settings file is measured as given; without any, absences off (Absence=0) and absences
# on (the default threshold) are measured. Needs Xvfb and xdotool.
set -euo pipefail
build=${1:-build/dev}
seconds=${2:-60}
shift $(($# < 2 ? $# : 2))
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
helper=$build/bench/tracker/x_session_helper
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT

base='User=-\r\nMessage=1=Faux\r\nMessage=2=Faux\r\nActivity=Dossiers\r\nActivity=Réunion\r\n'
if [ $# -eq 0 ]; then
    printf "${base}Absence=0\r\n" >"$work/absences off.ini"
    printf "$base" >"$work/absences on.ini"
    set -- "$work/absences off.ini" "$work/absences on.ini"
fi

# A display of our own, and an owner of its notification area so that the program hides there.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
until [ -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
"$helper" tray >"$work/tray" 2>/dev/null &
pids+=($!)
until [ -s "$work/tray" ]; do sleep 0.1; done
# The program must not reach the desktop services of whoever runs the measure: it gets a
# session bus of its own, where none answers.
dbus-daemon --session --nofork --nopidfile --print-address=1 >"$work/bus" 2>/dev/null &
pids+=($!)
until [ -s "$work/bus" ]; do sleep 0.1; done
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")

# One line per thread: its id, voluntary and involuntary context switches.
switches() {
    local task
    for task in /proc/"$1"/task/*; do
        awk -v tid="${task##*/}" '/^voluntary_ctxt_switches/ { v = $2 }
            /^nonvoluntary_ctxt_switches/ { i = $2 } END { print tid, v, i }' "$task/status" 2>/dev/null
    done
}
# The program's user and system CPU ticks.
cpuTicks() {
    sed 's/^.*) //' /proc/"$1"/stat | awk '{ print $12 + $13 }'
}
# What the threads alive at the end did since the first count (a thread born since counts whole).
switchesSince() {
    awk 'NR == FNR { v[$1] = $2; i[$1] = $3; next } { dv += $2 - v[$1]; di += $3 - i[$1] }
        END { print dv + 0, di + 0 }' "$1" "$2"
}

for settings in "$@"; do
    folder=$work/program
    rm -rf "$folder"
    mkdir "$folder"
    cp "$build/program/Quillmere" "$folder/"
    cp "$settings" "$folder/Quillmere.ini"
    # A day under way since now, so that nothing changes during the measure but the clock.
    printf '%s\r\n%s, 0,Dossiers,\r\n' "$(date +%d/%m/%Y)" "$(date +%H:%M:%S)" >"$folder/Quillmere.day"
    "$folder/Quillmere" >/dev/null 2>&1 &
    app=$!
    pids+=($app)
    until window=$(xdotool search --onlyvisible --name "Quillmere - v $version" 2>/dev/null); do
        sleep 0.1
    done
    # An activity under way, as after a change: the change dialog takes the first activity of
    # the list and goes back to the notification area when confirmed.
    xdotool mousemove --window "$window" 100 48 click 1
    until xdotool search --onlyvisible --name "^Quillmere - Sélection de l'activité" >/dev/null 2>&1; do
        sleep 0.1
    done
    sleep 0.5
    xdotool key --delay 80 Tab Tab Tab D Tab Tab Tab Tab space
    while xdotool search --onlyvisible --name "Quillmere - v $version" >/dev/null 2>&1; do
        sleep 0.1
    done
    # Let the start-up settle before counting.
    sleep 5
    switches "$app" >"$work/before"
    t0=$(cpuTicks "$app")
    sleep "$seconds"
    switches "$app" >"$work/after"
    t1=$(cpuTicks "$app")
    read -r voluntary involuntary < <(switchesSince "$work/before" "$work/after")
    [ -n "${QM_WAKEUPS_DEBUG:-}" ] && paste "$work/before" "$work/after" >&2
    kill "$app"
    wait "$app" 2>/dev/null || true
    ticksPerSecond=$(getconf CLK_TCK)
    echo "$(basename "$settings" .ini): $voluntary wake-ups ($involuntary preempted)" \
        "and $(((t1 - t0) * 1000 / ticksPerSecond)) ms of CPU in $seconds s"
done
