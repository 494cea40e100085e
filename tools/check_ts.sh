#!/usr/bin/env bash
# Each translation must cover its program's texts as they are today: lupdate refreshes a
# temporary copy of every .ts file from the program's sources, and the copy must come out
# unchanged (no new text left untranslated, no text gone), with no unfinished entry.
# To bring them up to date: cmake --build --preset dev --target update_translations
set -uo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-$(command -v lupdate6 || command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
[ -x "$lupdate" ] || { echo "lupdate was not found (Debian: qt6-l10n-tools)" >&2; exit 1; }
# <.ts file> <source folder>, one pair a line.
pairs="stats/translations/qmstat_en.ts stats
installer/translations/install_en.ts installer
tracker/translations/quillmere_en.ts tracker"
status=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
while read -r ts folder; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    if ! "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h -I . "$folder" -ts "$copy" \
        >"$work/log" 2>&1; then
        cat "$work/log"
        status=1
    fi
    if grep -q 'type="unfinished"\|type="obsolete"\|type="vanished"' "$copy" \
        || ! diff -u "$ts" "$copy"; then
        echo "$ts does not match the texts of $folder/: translate what is new." >&2
        status=1
    fi
done <<<"$pairs"
exit $status
