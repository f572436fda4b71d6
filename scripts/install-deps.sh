#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test the program.
# Only what is missing is installed; nothing happens on a ready machine.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-charts-dev libqt6opengl6-dev qt6-serialport-dev libqt6svg6-dev libgl1-mesa-dev
    libqt6sql6-ibase firebird3.0-server-core firebird3.0-utils libfbclient2
    libzip-dev zipcmp zipmerge ziptool
    libgtest-dev googletest
    xvfb xauth imagemagick poppler-utils fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all packages present"
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
echo "install-deps: installing ${missing[*]}"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
