#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
# Installs whatever Ko-Vaq needs to build, run and test that is not yet on this Debian machine.
#   bash scripts/setup.sh          what the README's two commands need
#   bash scripts/setup.sh package  and what making and checking the .deb needs
#   bash scripts/setup.sh ci       and what CI needs besides: clang with libFuzzer for the
#                                  fuzz targets
set -euo pipefail

packages=(
  cmake ninja-build g++ clang-format
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev googletest libbenchmark-dev
  fonts-liberation fonts-comic-neue
  poppler-utils xvfb xauth
)
case "${1:-}" in
  package|ci)
    packages+=(dpkg-dev fakeroot file lintian desktop-file-utils appstream shared-mime-info
               librsvg2-bin gzip)
    ;;&
  ci)
    packages+=(clang libclang-rt-14-dev)
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
