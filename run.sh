#!/usr/bin/env bash
# Installs what building and running Brewick needs, builds the two programs
# into build/ (no tests, no benchmarks) and starts the window program.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}"

cmake --preset app
cmake --build --preset app
exec build/bin/brewick "$@"
