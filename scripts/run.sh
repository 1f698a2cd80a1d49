#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it (arguments go to the editor).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja ${AW_CMAKE_FLAGS:-}
cmake --build build --target armorwright
exec ./build/armorwright "$@"
