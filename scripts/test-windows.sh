#!/usr/bin/env bash
# Cross-builds the libraries without Qt (base, codec, weapons, engine, storage) and their tests
# for 64-bit Windows with MinGW-w64, and runs the tests under Wine. Installs what is missing.
# The data blocks come from the native build in build/ (made here when it is not there).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh g++-mingw-w64-x86-64 mingw-w64 wine64 wine googletest ccache

# The generators run on this machine: the native build makes the blocks.
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -G Ninja ${AW_CMAKE_FLAGS:-}
fi
cmake --build build --target aw_blocks

cmake -S . -B build-windows -G Ninja ${AW_CMAKE_FLAGS:-} \
  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
  -DAW_QT_FREE_ONLY=ON -DAW_HOST_BUILD_DIR="$PWD/build" \
  -DAW_GTEST_SOURCE_DIR=/usr/src/googletest \
  -DCMAKE_CROSSCOMPILING_EMULATOR=wine
cmake --build build-windows

# A Wine of its own in the build folder, without a display, without the Mono and Gecko
# installers, quiet.
export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
wineboot --init >/dev/null 2>&1 || true
ctest --test-dir build-windows --output-on-failure -j2
