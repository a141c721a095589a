#!/usr/bin/env bash
# Installs what is missing, then configures and builds Vendrola in build/ (Ninja, ccache when present).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
export CCACHE_DIR="${CCACHE_DIR:-$PWD/.ccache}"
if [[ ! -f build/build.ninja ]]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build --parallel "$(nproc)" "$@"
