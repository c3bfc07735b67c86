#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, then configures and builds Quorvane in
# ./build. Installing needs root or sudo; nothing is downloaded at build time.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config git
  qt6-base-dev libgl-dev libzip-dev zlib1g-dev
  libgtest-dev libgmock-dev
  libbenchmark-dev          # the benchmarks in bench/
  fonts-dejavu-core
  openjdk-17-doc            # the API docs the documentation tests read
  xvfb xauth xdotool x11-utils imagemagick libx11-dev   # tests in a real window
  python3
)
# A JDK is the reference the tests compare against; any installed one will do.
command -v javac >/dev/null 2>&1 || packages+=(openjdk-17-jdk-headless)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then
    as_root=()
  elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
  else
    echo "setup: these Debian packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
    exit 1
  fi
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build build -j"$(nproc)"
