#!/usr/bin/env bash
# Installs, with apt-get, every Debian package that building, running and testing need.
# Quiet and quick when everything is there already.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev libpugixml-dev libcurl4-openssl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}; run this as root or install them first." >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# A freshly booted machine may still be running its own apt jobs: wait for their lock.
apt_options=(-o DPkg::Lock::Timeout=600)
apt-get "${apt_options[@]}" update -qq
apt-get "${apt_options[@]}" install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
