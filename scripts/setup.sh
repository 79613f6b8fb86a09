#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program need.
# Does nothing when all of them are present already.
set -euo pipefail

PACKAGES=(
  cmake g++ make pkg-config
  libwxgtk3.2-dev libgtk-3-dev libhidapi-dev libudev-dev libxlsxwriter-dev
  libx11-dev libxext-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool iputils-ping poppler-utils unzip
  clang libclang-rt-14-dev
  fonts-liberation fonts-wqy-microhei
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

echo "Installing: ${missing[*]}"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
