# The players' package: tumblewit-<version>-win64.zip holding the game, a
# README.txt for players and the licence, made by CPack, with SHA256SUMS
# beside it. `cmake --build <dir> --target package` makes both.
#
# Two builds of one commit give the same zip byte for byte: every entry
# carries the time of the last commit (package_options.cmake.in), and
# package_finish.cmake puts the entries in name order with fixed permissions
# and owners before it writes SHA256SUMS.

# Notepad on older Windows shows a file with bare LF ends as one long line.
configure_file(${CMAKE_SOURCE_DIR}/packaging/README.txt.in ${CMAKE_BINARY_DIR}/package/README.txt
               @ONLY NEWLINE_STYLE CRLF)
configure_file(${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_BINARY_DIR}/package/LICENSE.txt
               @ONLY NEWLINE_STYLE CRLF)

install(TARGETS tumblewit RUNTIME DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/package/README.txt ${CMAKE_BINARY_DIR}/package/LICENSE.txt DESTINATION .)

set(TUMBLEWIT_PACKAGE_NAME tumblewit-${PROJECT_VERSION}-win64)
set(TUMBLEWIT_PACKAGE_FILE ${CMAKE_BINARY_DIR}/${TUMBLEWIT_PACKAGE_NAME}.zip)

configure_file(${CMAKE_CURRENT_LIST_DIR}/package_options.cmake.in ${CMAKE_BINARY_DIR}/package/options.cmake @ONLY)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tumblewit)
set(CPACK_PACKAGE_VENDOR "The Tumblewit developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "A spot-the-difference picture game for Windows")
set(CPACK_PACKAGE_FILE_NAME ${TUMBLEWIT_PACKAGE_NAME})
# The three files at the zip's top: "Extract all" makes the folder itself.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/package/options.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/package_finish.cmake)
# No source package: the source is the tagged commit.
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
