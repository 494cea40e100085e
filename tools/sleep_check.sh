#!/usr/bin/env bash
# Shows on a private X display that a suspend counts as away and that a clock set forward does
# not. Quillmere runs with Absence=1 under libfaketime, which moves its wall clock only (the
# monotonic and boot-time clocks stay true), beside a fake logind on a bus that stands for the
# system bus:
#   1. the user goes idle, PrepareForSleep(true) comes, the wall clock jumps 90 minutes,
#      PrepareForSleep(false) comes and the mouse moves: "Compter une pause" must record a pause
#      of about 90 minutes;
#   2. the user stays idle for a little over a minute, the wall clock jumps 3 hours with no sleep
#      signal and the mouse moves: the pause counted must be the real idle time, not 3 hours.
# Saves the screen with the first offer in $TMPDIR/quillmere-sleep.png and prints the day file.
# Usage: tools/sleep_check.sh [build folder]   (default build/dev, built with its benchmarks)
# Needs: libfaketime and python3-dbus (apt), besides what the other by-hand checks need.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
faketime=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
[ -r "$faketime" ] || { echo "libfaketime is not installed" >&2; exit 1; }
/usr/bin/python3 -c 'import dbus' || { echo "python3-dbus is not installed" >&2; exit 1; }
settings=(User=Élise Message=1=Faux Activity=Réunion Activity=Développement Absence=1)
# Quillmere's clock starts at 08:00 today, whatever the true time, so that its jumps stay in the
# day: the offsets written to "$folder/clock" are in seconds from the true time.
offset=$(($(date -d 08:00 +%s) - $(date +%s)))
day=("$(date +%d/%m/%Y)" "07:35:00, 25,Réunion,")
# shellcheck source=tools/private_desktop.sh
source tools/private_desktop.sh

privateBus DBUS_SESSION_BUS_ADDRESS
privateBus DBUS_SYSTEM_BUS_ADDRESS

# The fake logind owns its name and sends PrepareForSleep(true) for each "sleep" line it reads,
# PrepareForSleep(false) for each "wake".
mkfifo "$folder/logind"
/usr/bin/python3 -c '
import dbus, dbus.lowlevel, sys
bus = dbus.bus.BusConnection(sys.argv[1])
bus.request_name("org.freedesktop.login1")
print("ready", flush=True)
for line in sys.stdin:
    signal = dbus.lowlevel.SignalMessage("/org/freedesktop/login1",
        "org.freedesktop.login1.Manager", "PrepareForSleep")
    signal.append(line.strip() == "sleep", signature="b")
    bus.send_message(signal)
    bus.flush()
' "$DBUS_SYSTEM_BUS_ADDRESS" <"$folder/logind" >"$folder/logind.out" &
pids+=($!)
exec {logind}>"$folder/logind"
until [ -s "$folder/logind.out" ]; do sleep 0.1; done

printf "%+ds\n" "$offset" >"$folder/clock"
LD_PRELOAD=$faketime FAKETIME_TIMESTAMP_FILE=$folder/clock FAKETIME_CACHE_DURATION=1 \
    FAKETIME_DONT_FAKE_MONOTONIC=1 "$folder/Quillmere" 2>/dev/null &
pids+=($!)
changeToSecondActivity Développement
echo "last input; the day file:"
sleep 3
cat "$folder/Quillmere.day"

countPause() { # waits for the offer, answers "Compter une pause", prints the pause's minutes
    local offer
    offer=$(timeout 30 xdotool search --sync --onlyvisible --name "^Quillmere - Absence$" |
        head -n 1)
    [ -n "$offer" ] || { echo "no offer"; return; }
    sleep 1
    [ -z "${1:-}" ] || import -window root "$1"
    xdotool windowfocus --sync "$offer" 2>/dev/null || true
    xdotool key Return
    sleep 2
    grep ',pause,' "$folder/Quillmere.day" | tail -n 1 | cut -d, -f2 | tr -d ' '
}

echo "1. sleep, the wall clock jumps 90 minutes, wake-up, the mouse moves"
echo sleep >&"$logind"
sleep 1.5
printf "%+ds\n" $((offset + 90 * 60)) >"$folder/clock"
sleep 2
echo wake >&"$logind"
sleep 1
xdotool mousemove 400 400
slept=$(countPause "${TMPDIR:-/tmp}/quillmere-sleep.png")
echo "   pause counted: $slept min"

echo "2. idle for 70 s, then the wall clock jumps 3 hours with no sleep, the mouse moves"
sleep 70
printf "%+ds\n" $((offset + 270 * 60)) >"$folder/clock"
sleep 3
xdotool mousemove 200 200
jumped=$(countPause)
echo "   pause counted: $jumped min"
echo "the day file:"
cat "$folder/Quillmere.day"
[ "$slept" -ge 89 ] && [ "$slept" -le 92 ] && [ "$jumped" -ge 1 ] && [ "$jumped" -le 2 ]
echo "both as expected"
