#!/usr/bin/env bash
# The house rules a machine can check: every C++ file formatted, one naming rule, includes running
# one way only (ui -> core -> journal), every text of the windows translated, and no code written
# twice. The naming check reads build/dev (tools/setup.sh makes it).
# Exits non-zero on the first rule broken.
set -uo pipefail
cd "$(dirname "$0")/.."
status=0

echo "-- clang-format"
if ! git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror; then
    echo "Some files are not formatted: run clang-format -i on them." >&2
    status=1
fi

echo "-- naming (clang-tidy, .clang-tidy)"
if [ ! -f build/dev/compile_commands.json ]; then
    echo "build/dev is not there: run tools/setup.sh first." >&2
    status=1
elif ! git ls-files '*.cpp' | sed "s|^|$PWD/|" \
    | xargs run-clang-tidy -p build/dev -quiet -j "$(nproc)" >build/dev/clang-tidy.log 2>&1; then
    grep -E 'error:|warning:' build/dev/clang-tidy.log | sort -u
    echo "Names that break the rule (CONTRIBUTING.md, Names); the whole output: build/dev/clang-tidy.log" >&2
    status=1
fi

echo "-- include direction"
widgets=$(ls "$(dirname "$(find /usr/include -path '*qt6/QtWidgets/QWidget' -print -quit)")" 2>/dev/null)
if [ -z "$widgets" ]; then
    echo "The QtWidgets headers were not found: cannot check the include direction." >&2
    status=1
fi
wrong=$(
    for file in $(git ls-files 'storage/*.cpp' 'storage/*.h' 'journal/*.cpp' 'journal/*.h' '*/core/*.cpp' '*/core/*.h'); do
        grep -HnE '^#include' "$file" | while IFS= read -r line; do
            header=$(sed -E 's/.*#include [<"]([^>"]+)[>"].*/\1/' <<<"$line")
            case "$file:$header" in
            journal/*:tracker/* | journal/*:stats/* | journal/*:installer/*) echo "$line" ;;
            storage/*:journal/* | storage/*:tracker/* | storage/*:stats/* | storage/*:installer/*) echo "$line" ;;
            */core/*:*/ui/* | */core/*:*/platform/* | */core/*:*/uninstaller/*) echo "$line" ;;
            esac
            base=${header#QtWidgets/}
            if grep -qxF "$base" <<<"$widgets"; then echo "$line"; fi
        done
    done
)
if [ -n "$wrong" ]; then
    echo "$wrong"
    echo "storage/, journal/ and the cores include neither a window header nor a Qt Widgets one," >&2
    echo "and storage/ and journal/ nothing of the programs." >&2
    status=1
fi

echo "-- translations"
bash tools/check_ts.sh || status=1
bash tools/check_tr.sh || status=1

echo "-- duplicates"
if command -v duplicates >/dev/null; then
    # Rows marked boilerplate (table idioms) and pairs of CMake source lists pass; others are listed in
    # tools/duplicates.allow only when they were looked at and left on purpose.
    found=$(duplicates --most 200 | grep -E '^D[0-9]+ ' | grep -v 'boilerplate' \
        | grep -vE '^D[0-9]+ [^ ]*CMakeLists.txt:[0-9-]+ ~ [^ ]*CMakeLists.txt' \
        | sed -E 's/^D[0-9]+ ([^:]+):[0-9-]+ ~ ([^:]+):[0-9-]+.*/\1 ~ \2/' \
        | grep -vxF -f <(grep -v '^#' tools/duplicates.allow) || true)
    if [ -n "$found" ]; then
        echo "$found"
        echo "Code written twice: make it one, or list the pair in tools/duplicates.allow." >&2
        status=1
    fi
else
    echo "duplicates is not installed here: skipped"
fi
exit $status
