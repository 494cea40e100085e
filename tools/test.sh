#!/usr/bin/env bash
# Sets everything up, builds a preset (default: dev) and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-dev}
tools/setup.sh "$preset"
ctest --preset "$preset"
