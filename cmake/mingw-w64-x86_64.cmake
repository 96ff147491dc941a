# Cross-build for 64-bit Windows with Debian's MinGW-w64 compilers (g++-mingw-w64-x86-64).
#   cmake -S . -B build/mingw -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DVESPRA_BUILD_GUI=OFF -DVESPRA_BUILD_TESTS=OFF -DVESPRA_BUILD_BENCH=OFF
# The -posix compilers carry std::thread (the scenario batch runs combinations side by side).
# Everything is linked statically (libgcc, libstdc++, winpthread), so the .exe runs on a bare
# Windows or under Wine without any DLL beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VESPRA_MINGW_PREFIX x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${VESPRA_MINGW_PREFIX}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${VESPRA_MINGW_PREFIX}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${VESPRA_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VESPRA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Test programs, when built, run under Wine.
find_program(VESPRA_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(VESPRA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VESPRA_WINE})
endif()

# With -DVESPRA_BUILD_TESTS=ON, GoogleTest is built from Debian's sources (see mingw-gtest/).
set(GTest_DIR ${CMAKE_CURRENT_LIST_DIR}/mingw-gtest CACHE PATH "GoogleTest for the cross-build")
