#!/usr/bin/env bash
# A mutation run over the files given; see tools/mutation.py for the options. Run from anywhere.
set -euo pipefail
cd "$(dirname "$0")/.."
exec python3 tools/mutation.py "$@"
