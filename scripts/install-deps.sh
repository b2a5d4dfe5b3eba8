#!/usr/bin/env bash
# Installs the Debian packages that building, testing, benchmarking and the demo need.
# As root it runs apt-get itself; otherwise it prints the command to run and fails.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libglib2.0-dev
  clang libclang-rt-14-dev
  xvfb x11-apps imagemagick xdotool
  gcc-multilib g++-multilib g++-mingw-w64-i686
  fonts-dejavu-core valgrind
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Run:"
  echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}"
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
