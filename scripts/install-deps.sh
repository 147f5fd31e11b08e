#!/usr/bin/env bash
# Installs what building, running and testing Marvillons needs (Debian 12, as root).
set -euo pipefail
packages=(
  build-essential cmake ninja-build git
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libfftw3-dev libkissfft-dev
  clang-14 libclang-rt-14-dev clang-format
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
