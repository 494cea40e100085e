#!/usr/bin/env bash
# Sets everything up, builds, and starts Quillmere from the program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh dev
program=build/dev/program/Quillmere
echo "Program folder: $(pwd)/build/dev/program"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Quillmere on a virtual X display (xvfb-run)."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$program"
fi
exec "$program"
