#!/usr/bin/env bash
# Times the real program from its start to its main window on an X display: a program folder
# with a journal of a million lines and an interrupted day (recovered without a question).
# Usage: bench/tracker/startup_time.sh [build folder]   (needs Xvfb and xdotool)
set -euo pipefail
build=${1:-build/dev}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
folder=$(mktemp -d)
trap 'kill "$app" "$xvfb" 2>/dev/null || true; rm -rf "$folder"' EXIT
cp "$build/program/Quillmere" "$folder/"
printf 'User=-\r\nMessage=1=Faux\r\nMessage=2=Faux\r\nActivity=Dossiers\r\n' >"$folder/Quillmere.ini"
printf '04/12/2026\r\n08:00:00, 30,Dossiers,\r\n' >"$folder/Quillmere.day"
python3 - "$folder/Quillmere.log" <<'PY'
import datetime, sys
day = datetime.date(2026, 12, 4) - datetime.timedelta(days=100000)
with open(sys.argv[1], "wb") as out:
    for i in range(1000000):
        if i % 10 == 0:
            day += datetime.timedelta(days=1)
        out.write(f"{day:%d/%m/%Y}, {5 + i % 90},Dossiers clients,commentaire {i % 7}\r\n".encode())
PY
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
start=$(date +%s%N)
DISPLAY=$display "$folder/Quillmere" >/dev/null 2>&1 &
app=$!
# xdotool's own --sync waits in steps of half a second: poll finer than that.
until DISPLAY=$display xdotool search --onlyvisible --name "Quillmere - v $version" >/dev/null 2>&1; do
    sleep 0.005
done
end=$(date +%s%N)
echo "main window on screen after $(((end - start) / 1000000)) ms"
