#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need; quick when all are present.
set -euo pipefail

packages=(
    cmake ninja-build g++ make
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-qpa-plugins libxcb1-dev fonts-dejavu-core
    clang libclang-rt-14-dev
    xvfb xdotool openbox x11-utils imagemagick xclip
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
