#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when missing.
# Safe to run again: a machine that has everything installs nothing.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libsqlite3-dev
    qt6-multimedia-dev libcurl4-openssl-dev
    sqlite3 xvfb xauth
)
if [ "${1:-}" = "--test" ]; then
    packages+=(clang libclang-rt-14-dev poppler-utils python3-aiosmtpd openssl qt6-tools-dev-tools)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
