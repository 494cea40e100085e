#!/usr/bin/env bash
# Takes the README's pictures of the real windows again: docs/main-window.png,
# docs/change-dialog.png, docs/report-by-date.png, docs/time-sheet.png,
# docs/report-by-activity.png and docs/install-shortcuts.png.
# Usage: tools/screenshots.sh [build folder]   (default: build/dev, built beforehand)
#
# The programs run from a temporary program folder on their own virtual X display, with a
# sample journal of the last four weeks, a settings file and a day in progress to resume; the
# script then drives them with xdotool as a user would. Nothing of the build's own program
# folder is read or written but the two programs; the installer runs from the build's release
# set, with a temporary home, and is abandoned on its shortcuts page.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
out=docs

for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: run tools/setup.sh" >&2; exit 1; }
done
for program in program/Quillmere program/QMStat release/Quillmere/Install; do
    [ -x "$build/$program" ] || { echo "$build/$program is not built" >&2; exit 1; }
done

folder=$(mktemp -d)
pids=()
cleanup() {
    # The programs first, the display last, so that none of them sees its display go away.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$folder"
}
trap cleanup EXIT
cp "$build/program/Quillmere" "$build/program/QMStat" "$folder/"

# The files are written as the programs write them: UTF-8, CR LF line ends.
crlf() { sed 's/$/\r/'; }

{
    echo "User=Élise Marchand"
    # The question about an interrupted day is switched off, so the day in progress comes back
    # at once, as after a "Ne plus afficher ce message".
    for n in 0 1 2 3 4 5 6 7 8 9; do
        [ "$n" -eq 1 ] && echo "Message=$n=Faux" || echo "Message=$n=Vrai"
    done
    for activity in "Réunion d'équipe" "Développement" "Courrier; téléphone" "Support client" \
        "Rédaction" "Formation"; do
        echo "Activity=$activity"
    done
    echo "OldActivity=Projet Hélios"
    for comment in "compte rendu" "relance" "client;devis"; do echo "Comment=$comment"; done
} | crlf >"$folder/Quillmere.ini"

# Twenty working days before today, of seven to eight hours each; pauses are not in a journal.
for ((back = 28; back >= 1; back--)); do
    day=$(date -d "today - $back days" +%u)
    [ "$day" -le 5 ] && date -d "today - $back days" +%d/%m/%Y
done | awk -v seed=42 '
    BEGIN {
        srand(seed)
        split("Réunion d'"'"'équipe|Développement|Courrier; téléphone|Support client|Rédaction|Formation|Projet Hélios", names, "|")
        split("30 38 12 18 10 4 6", weights, " ")
        for (i = 1; i <= 7; i++) total += weights[i]
        split("compte rendu|relance|client;devis", comments, "|")
    }
    function pick(   r, i, sum) {
        r = rand() * total
        for (i = 1; i <= 7; i++) { sum += weights[i]; if (r < sum) return names[i] }
        return names[1]
    }
    {
        left = 420 + int(rand() * 75)
        while (left > 0) {
            minutes = 15 + 5 * int(rand() * 20)
            if (minutes > left) minutes = left
            comment = rand() < 0.25 ? comments[1 + int(rand() * 3)] : ""
            printf "%s, %d,%s,%s\n", $0, minutes, pick(), comment
            left -= minutes
        }
    }' | crlf >"$folder/Quillmere.log"

# This morning's finished activities, as the day file keeps them between two starts.
{
    date +%d/%m/%Y
    cat <<'EOF'
08:32:10, 25,Courrier; téléphone,
08:57:10, 70,Développement,
10:07:10, 15,pause,café
10:22:10, 45,Réunion d'équipe,compte rendu
11:07:10, 50,Support client,relance
11:57:10, 60,pause,
12:57:10, 35,Rédaction,client;devis
EOF
} | crlf >"$folder/Quillmere.day"

# Its own display, so that nothing of the user's desktop gets into the pictures.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
read -r -t 10 number <&"$display_fd" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$number"
export LANG=C.UTF-8 QT_QPA_PLATFORM=xcb

failed=${TMPDIR:-/tmp}/quillmere-screenshots-failed.png
window() {
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1 | grep . \
        || {
            echo "no window \"$1\": the screen is in $failed" >&2
            import -window root "$failed"
            exit 1
        }
}
keys() { xdotool key --delay 80 "$@"; sleep 0.3; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }
shot() { sleep 0.8; import -window "$1" "$out/$2"; echo "$out/$2"; }

"$folder/Quillmere" &
pids+=($!)
main=$(window "Quillmere - .*BRISQUEL")
# Changer, the first of the window's buttons.
click "$main" 100 48
select=$(window "Quillmere - Sélection de l'activité")
keys Tab Tab Tab
xdotool type --delay 80 "D"
keys Tab
xdotool type --delay 60 "module d'export"
shot "$select" change-dialog.png
keys Tab Tab Tab space
# With neither a notification area nor a window manager on this display, the running activity
# only minimises the window in name: it stays in sight, and mapping it is all it takes.
xdotool windowmap "$main"
shot "$main" main-window.png

"$folder/QMStat" &
pids+=($!)
stats=$(window "Quillmere - Statistiques")
# The period's boxes and Afficher sit at fixed places in the window.
click "$stats" 111 303
xdotool type --delay 60 "$(head -n 1 "$folder/Quillmere.log" | cut -c 1-10)"
click "$stats" 248 303
xdotool type --delay 60 "$(tail -n 1 "$folder/Quillmere.log" | cut -c 1-10)"
click "$stats" 161 339
report=$(window "Quillmere - Statistiques par dates")
shot "$report" report-by-date.png
# Feuille de temps stands just before Exporter, the button the report opens on.
keys shift+Tab space
sheet=$(window "Quillmere - Feuille de temps du .*")
shot "$sheet" time-sheet.png
xdotool windowunmap "$sheet"
xdotool windowunmap "$report"

# The report by activity, for the activity first in the list.
click "$stats" 150 424
keys Down
click "$stats" 172 458
activity=$(window "Quillmere - Statistiques par activités")
shot "$activity" report-by-activity.png
xdotool windowunmap "$activity"

# The installer's shortcuts page: the welcome page and the folder page go on with Enter.
home=$folder/home
mkdir -p "$home"
env -C "$build/release/Quillmere" HOME="$home" XDG_DATA_HOME="$home/.local/share" \
    XDG_CONFIG_HOME="$home/.config" ./Install &
pids+=($!)
window "Quillmere - installation" >/dev/null
keys Return
sleep 0.5
keys Return
sleep 1
# The pages are windows of the one title, only the current one shown.
shortcuts=$(window "Quillmere - installation")
shot "$shortcuts" install-shortcuts.png
