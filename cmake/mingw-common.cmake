# Shared part of the MinGW-w64 toolchain files: compilers, resource compiler,
# where to look for target libraries, and Wine to run what we build.
find_program(CMAKE_C_COMPILER NAMES ${TUMBLEWIT_TRIPLE}-gcc-posix ${TUMBLEWIT_TRIPLE}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${TUMBLEWIT_TRIPLE}-g++-posix ${TUMBLEWIT_TRIPLE}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${TUMBLEWIT_TRIPLE}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${TUMBLEWIT_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Packages too: the build machine's own GoogleTest is no use to a Windows program.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs run under the project's own Wine prefix (see scripts/wine-run.sh).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
