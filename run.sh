#!/usr/bin/env bash
# Installs what is missing, builds Brewick into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

if [[ -x build/bin/brewick ]]; then
  exec build/bin/brewick "$@"
fi
echo "Built the library and its tests; the window program is not part of the build yet."
