#!/usr/bin/env bash
# Installs the Debian packages the program needs to build, run and test.
# Safe to run again: apt skips what is already installed.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-webengine-dev-tools qt6-webchannel-dev
  qt6-tools-dev-tools libqt6opengl6-dev libgl-dev
  libyaml-cpp-dev libbenchmark-dev libxcb1-dev
  xvfb xauth poppler-utils imagemagick
  fonts-dejavu-core fonts-liberation2
  dpkg-dev desktop-file-utils appstream
  clang libclang-rt-14-dev
)

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "setup: run as root or install sudo" >&2
  exit 1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update
  "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
