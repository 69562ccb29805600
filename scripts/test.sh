#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
# Installs what is missing, builds and runs every test (headless).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
# shellcheck disable=SC2086 # KOVAQ_CTEST_ARGS holds several arguments
ctest --test-dir "${KOVAQ_BUILD_DIR:-build}" --output-on-failure -j "$(nproc)" ${KOVAQ_CTEST_ARGS:-}
