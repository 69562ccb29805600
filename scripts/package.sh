#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
# Builds ko-vaq_<version>-1_amd64.deb from a Release build, with Debian's hardening flags,
# and leaves it in the project's folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh package
dir="${KOVAQ_PACKAGE_DIR:-build-release}"
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DKOVAQ_BUILD_TESTS=OFF -DKOVAQ_BUILD_BENCH=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)"
# The package CPack says it made this time, not any older one left in the folder.
deb=$(cd "$dir" && cpack -G DEB | sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p')
[ -f "$deb" ] || { echo "CPack made no package" >&2; exit 1; }
cp "$deb" .
echo "$(basename "$deb")"
