#!/usr/bin/env bash
# Installs the Debian packages that one of three jobs needs; each set holds the
# one before it:
#   run   build the program and use it (scripts/run.sh)
#   test  build and run every test, judge the package (scripts/test.sh)
#   fuzz  the libFuzzer target, built with clang (scripts/fuzz.sh)
# Only what is missing is installed; works as root or through sudo.
# Usage: scripts/install-deps.sh [run|test|fuzz]   (default: test)
set -euo pipefail

run=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libqt6svg6 zlib1g-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    fonts-liberation fonts-dejavu-core
    qt6-translations-l10n qt6-l10n-tools
    libqt6sql6-sqlite libsqlite3-dev
)
test=(
    "${run[@]}"
    libgtest-dev libbenchmark-dev
    xvfb xdotool imagemagick poppler-utils libx11-dev
    lintian appstream desktop-file-utils
)
fuzz=(
    "${test[@]}"
    clang libclang-rt-14-dev
)

case ${1:-test} in
    run) packages=("${run[@]}") ;;
    test) packages=("${test[@]}") ;;
    fuzz) packages=("${fuzz[@]}") ;;
    *)
        echo "usage: $0 [run|test|fuzz]" >&2
        exit 2
        ;;
esac

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
