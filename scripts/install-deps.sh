#!/usr/bin/env bash
# Installs what building, running and testing Zorvanta needs on Debian 12.
# Idempotent: when every package is already there it only checks and returns.
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-image-formats-plugins qt6-svg-dev
  libqcustomplot-dev libqcustomplot2.1-qt6
  libgif-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev
  xvfb x11-utils imagemagick xdotool openbox wmctrl
  poppler-utils
  fonts-dejavu-core fonts-liberation2
  time
  desktop-file-utils appstream file dpkg-dev
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} > 0)); then
  if [[ $(id -u) -ne 0 ]]; then
    echo "Missing packages: ${missing[*]}; run this script as root (or with sudo)." >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
