#!/usr/bin/env bash
# Installs what is missing, builds and starts Ko-Vaq. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
exec "${KOVAQ_BUILD_DIR:-build}/src/app/ko-vaq" "$@"
