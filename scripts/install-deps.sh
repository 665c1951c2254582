#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
# On a bare Debian 12 (debootstrap --variant=minbase, plus make and git) this
# is every package that make run, test, dist, fuzz, bench and soak use:
# nothing may be assumed to come along with something else.
set -euo pipefail

packages=(
  # the native build, its tests and the fuzz targets
  cmake g++ make libgtest-dev
  clang-14 libclang-rt-14-dev
  # the Windows build (also its objdump and windres)
  g++-mingw-w64-x86-64-posix
  # Wine, and the X libraries its X11 driver loads at run time (several
  # monitors through RandR and Xinerama, cursors, input)
  wine64 wine
  libxrandr2 libxrender1 libxinerama1 libxcursor1 libxi6 libxfixes3 libxcomposite1 libxxf86vm1
  # virtual displays, one or several monitors, and the tools that drive and read them
  xvfb xserver-xorg-core xserver-xorg-video-dummy
  x11-apps x11-utils x11-xserver-utils xdotool
  # the X clients of the tests and benchmarks (X11 and its shape/shm extension)
  libx11-dev libxext-dev
  # fonts: Wine's own, and a Japanese one the captions' font is mapped to
  fonts-wine fonts-ipafont-gothic
  # screenshots as PNG
  imagemagick
  # the help file, the download and their checks
  fp-utils zip python3 libchm-bin icoutils
  # code pages of the Wine tests (locales compiled into the tests' folders)
  locales
  # the placement dialog's test reads the X clipboard
  xclip
  # make bench: Google Benchmark
  libbenchmark-dev
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
