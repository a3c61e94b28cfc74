# SPDX-License-Identifier: MIT
# Cross-builds the Windows program with Debian's mingw-w64 (x86-64, POSIX threads):
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUIMBELO_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUIMBELO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUIMBELO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QUIMBELO_MINGW_TRIPLET}-windres)
set(CMAKE_OBJDUMP ${QUIMBELO_MINGW_TRIPLET}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${QUIMBELO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime and winpthread go into the program itself: quimbelo.exe needs no DLL
# but Windows' own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
