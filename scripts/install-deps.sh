#!/usr/bin/env bash
# Installs the Debian packages the program needs to build, run and test.
# Only what is missing is installed; works as root or through sudo.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libqt6svg6 zlib1g-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    libgtest-dev libbenchmark-dev
    fonts-liberation fonts-dejavu-core
    xvfb xdotool imagemagick poppler-utils libx11-dev
    clang libclang-rt-14-dev
    qt6-translations-l10n
    lintian appstream desktop-file-utils
    libqt6sql6-sqlite libsqlite3-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
