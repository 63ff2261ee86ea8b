#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Brivane WebP need.
# Packages already present are left alone; nothing is installed when all are there.
set -euo pipefail

packages=(
  # build
  build-essential cmake pkg-config
  qtbase5-dev qttools5-dev qttools5-dev-tools
  libwebp-dev libyuv-dev libjpeg-dev
  # run time: image plug-ins found by Qt (WebP, HEIC/HEIF, TIFF) and fonts; the forms are laid
  # out for Arial's metrics, and Liberation Sans is the face fontconfig gives for Arial
  qt5-image-formats-plugins kimageformat-plugins fonts-dejavu-core fonts-liberation
  # Chinese and Japanese interface texts
  fonts-wqy-microhei
  # tests: independent decoders and a display server for screenshots
  imagemagick giflib-tools webp xvfb xauth xdotool
  # tests: the cross-user single-instance rows run helpers as other users through setpriv
  util-linux
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
