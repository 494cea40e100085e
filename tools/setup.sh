#!/usr/bin/env bash
# Installs what the project needs on Debian 12 (when missing), then configures and builds a preset.
# Usage: tools/setup.sh [preset]   (default: dev)
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-dev}

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          libbenchmark-dev clang libclang-rt-14-dev xvfb xauth xdotool libxss-dev dbus-daemon
          fontconfig fonts-dejavu-core fonts-liberation2 fonts-urw-base35 fonts-noto-core # font runs
          qt6-translations-l10n strace desktop-file-utils clang-format clang-tidy
          qt6-tools-dev qt6-l10n-tools python3
          imagemagick # its import takes the README's pictures (tools/screenshots.sh)
          poppler-utils) # pdftotext reads the text of the reports' PDF in the tests
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing Debian packages: ${missing[*]}"
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
