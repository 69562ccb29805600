#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
# Configures and builds Ko-Vaq into build/ (or the folder given as KOVAQ_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${KOVAQ_BUILD_DIR:-build}"
cmake -S . -B "$dir" -G Ninja \
  -DCMAKE_BUILD_TYPE="${KOVAQ_BUILD_TYPE:-RelWithDebInfo}" \
  -DKOVAQ_WERROR="${KOVAQ_WERROR:-OFF}" \
  -DKOVAQ_SANITIZE="${KOVAQ_SANITIZE:-OFF}" \
  -DKOVAQ_BUILD_BENCH="${KOVAQ_BUILD_BENCH:-ON}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
