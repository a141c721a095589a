#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless; non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
