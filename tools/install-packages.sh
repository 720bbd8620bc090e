#!/bin/sh
# Installs the Debian packages the build, the tests and the run need, and
# any further ones named as arguments, ":i386" ones included (idempotent:
# does nothing when all are there).
set -eu
packages="g++ g++-multilib cmake ninja-build python3 mingw-w64 nasm dpkg-dev wine wine64 xvfb x11-utils imagemagick libgs-common
  fonts-liberation fonts-dejavu-core nsis libgtest-dev libjpeg62-turbo-dev libpng-dev libgif-dev libtiff-dev libwebp-dev
  webp libheif-dev libheif-examples libavif-dev libavif-bin libjxl-dev liblcms2-dev libjxl-tools meson pkg-config
  argyll icc-profiles-free $*"
missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
case "$missing" in
    *:i386*) dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386 ;;
esac
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
