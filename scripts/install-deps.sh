#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail

packages=(
  cmake g++ make libgtest-dev
  clang-14 libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix
  wine64 wine
  xvfb x11-apps x11-utils x11-xserver-utils xdotool libx11-dev locales
  xserver-xorg-core xserver-xorg-video-dummy
  fonts-wine imagemagick
  # the help file, the download and their checks
  fp-utils zip python3 libchm-bin icoutils
  # the Japanese locale of the help window test under Wine
  locales
  # the placement dialog's test reads the X clipboard
  xclip
  # make bench: Google Benchmark and the X client that watches the start-up
  libbenchmark-dev libx11-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
