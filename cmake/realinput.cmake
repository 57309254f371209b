# Builds xdrive (tests/realinput), the host tool that clicks through the X
# server and reads the screen, for the end-to-end tests and the real-input
# benchmark. Only where this host has X11 and XTEST to build it with;
# TUMBLEWIT_XDRIVE is then its path, else empty.
include_guard(GLOBAL)
include(ExternalProject)

set(TUMBLEWIT_XDRIVE "")
find_file(TUMBLEWIT_XTEST_HEADER X11/extensions/XTest.h PATHS /usr/include /usr/local/include
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(CMAKE_HOST_UNIX AND TUMBLEWIT_XTEST_HEADER)
    set(XDRIVE_BUILD_DIR ${CMAKE_BINARY_DIR}/host-realinput)
    set(TUMBLEWIT_XDRIVE ${XDRIVE_BUILD_DIR}/xdrive)
    # A native build: none of this project's cross settings are passed on.
    ExternalProject_Add(tumblewit_xdrive
        SOURCE_DIR ${CMAKE_SOURCE_DIR}/tests/realinput
        BINARY_DIR ${XDRIVE_BUILD_DIR}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
        BUILD_ALWAYS ON
        INSTALL_COMMAND ""
        BUILD_BYPRODUCTS ${TUMBLEWIT_XDRIVE}
    )
else()
    message(STATUS "No X11/XTEST headers on this host (Debian: libxtst-dev): real-input tests are left out")
endif()
