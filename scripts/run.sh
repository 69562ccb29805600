#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ko-Vaq developers
# Installs what is missing, builds and starts Ko-Vaq. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
exec "${KOVAQ_BUILD_DIR:-build}/src/app/ko-vaq" "$@"
