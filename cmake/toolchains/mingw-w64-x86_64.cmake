# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64, mingw-w64):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
#         -DAW_QT_FREE_ONLY=ON -DAW_HOST_BUILD_DIR=build
# scripts/test-windows.sh does this and runs the tests under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix-thread variant: the codec uses std::thread.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained executable each: no MinGW runtime DLLs to put on Wine's or Windows' path.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# nlohmann_json is header-only, so the host's copy serves the target too. It is offered through
# a root of its own: its package would otherwise put all of /usr/include, the host's C library
# included, before MinGW's headers.
if(EXISTS /usr/share/cmake/nlohmann_json AND EXISTS /usr/include/nlohmann)
  set(aw_header_root ${CMAKE_BINARY_DIR}/host-header-only)
  file(MAKE_DIRECTORY ${aw_header_root}/include ${aw_header_root}/share/cmake)
  file(CREATE_LINK /usr/include/nlohmann ${aw_header_root}/include/nlohmann SYMBOLIC)
  file(CREATE_LINK /usr/share/cmake/nlohmann_json ${aw_header_root}/share/cmake/nlohmann_json SYMBOLIC)
  list(APPEND CMAKE_FIND_ROOT_PATH ${aw_header_root})
endif()

# GCC 12 at -O3 warns that std::string's operator+ may copy overlapping bytes (-Wrestrict), a
# false positive inside libstdc++ (GCC bug 105651) that -Werror would make fatal.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
