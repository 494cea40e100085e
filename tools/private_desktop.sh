# shellcheck shell=bash disable=SC2154
# Sourced by the by-hand checks: a private X display whose notification area has an owner, so
# that Quillmere hides there, and the program copied into a fresh folder with the settings and
# day file given. Sets DISPLAY and `folder`; what it starts ends with the calling script.
# Needs: build (the build folder), settings and day (the files' lines, CR LF added).
folder=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$folder"' EXIT
cp "$build/program/Quillmere" "$folder/"
printf '%s\n' "${settings[@]}" | sed 's/$/\r/' >"$folder/Quillmere.ini"
printf '%s\n' "${day[@]}" | sed 's/$/\r/' >"$folder/Quillmere.day"
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
read -r -t 10 display_number <&"$display_fd"
export DISPLAY=":$display_number" QT_QPA_PLATFORM=xcb
"$build/bench/tracker/x_session_helper" tray >"$folder/tray" 2>/dev/null &
pids+=($!)
until [ -s "$folder/tray" ]; do sleep 0.1; done

privateBus() { # starts a private bus and puts its address in the variable named $1
    dbus-daemon --session --nofork --nopidfile --print-address=1 >"$folder/$1" 2>/dev/null &
    pids+=($!)
    until [ -s "$folder/$1" ]; do sleep 0.1; done
    printf -v "$1" '%s' "$(head -n 1 "$folder/$1")"
    export "${1?}"
}

changeToSecondActivity() { # once Quillmere shows: Changer, the second activity, Confirmer
    local main
    main=$(timeout 20 xdotool search --sync --onlyvisible --name "^Quillmere - v" | head -n 1)
    sleep 1
    xdotool mousemove --window "$main" 100 48 click 1
    timeout 20 xdotool search --sync --onlyvisible \
        --name "^Quillmere - Sélection de l'activité" >/dev/null
    sleep 0.5
    # From the time field to the activity list, its initial, then to Confirmer.
    xdotool key --delay 80 Tab Tab Tab "${1:0:1}" Tab Tab Tab Tab space
}
