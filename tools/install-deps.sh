#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the game need.
# Idempotent: asks apt only for what is missing.
set -euo pipefail

packages=(
  cmake g++ make ccache pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev libqt6svg6-dev
  libcpp-httplib-dev libsqlite3-dev libsodium-dev libjpeg-dev libgif-dev
  xvfb xauth fonts-comic-neue fonts-dejavu-core fonts-wqy-microhei
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
