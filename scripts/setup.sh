#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
# Installs whatever Ko-Vaq needs to build, run and test that is not yet on this Debian machine.
#   bash scripts/setup.sh          what building and running Ko-Vaq needs
#   bash scripts/setup.sh test     and what the tests and benchmarks need
#   bash scripts/setup.sh package  and what making and checking the .deb needs
#   bash scripts/setup.sh ci       and what CI needs besides: clang with libFuzzer for the
#                                  fuzz targets
set -euo pipefail

packages=(
  cmake ninja-build g++
  qt6-base-dev qt6-base-dev-tools libgl-dev libqt6sql6-sqlite
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libgtest-dev googletest
  fonts-liberation fonts-comic-neue
)
case "${1:-}" in
  test|package|ci)
    packages+=(libbenchmark-dev clang-format poppler-utils xvfb xauth python3 python3-jsonschema)
    ;;&
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
  # Root installs directly, sudo or not; anyone else needs sudo to do it.
  as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Ko-Vaq needs these Debian packages: ${missing[*]}" >&2
      echo "Install them as root (apt-get install ...), or install sudo, then run this again." >&2
      exit 1
    fi
    as_root=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
