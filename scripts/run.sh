#!/usr/bin/env bash
# Installs what is missing, builds and starts Vendrola on its default root folder
# (~/.local/share/vendrola unless VENDROLA_ROOT or "--root DIR" says otherwise).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh --target vendrola
exec ./build/src/app/vendrola "$@"
