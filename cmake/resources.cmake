# Builds the host-side generator (unless one is given) and runs it to write
# every picture, button, sound and the icon into TUMBLEWIT_RESOURCE_DIR.
# The files are remade only when the generator itself changed.
include(ExternalProject)

set(TUMBLEWIT_RESOURCE_DIR ${CMAKE_BINARY_DIR}/generated)

if(TUMBLEWIT_GENERATOR)
    set(GENERATOR_EXE ${TUMBLEWIT_GENERATOR})
    add_custom_target(tumblewit_generator)
else()
    set(GENERATOR_BUILD_DIR ${CMAKE_BINARY_DIR}/host-generator)
    set(GENERATOR_EXE ${GENERATOR_BUILD_DIR}/tumblewit-generator${CMAKE_HOST_EXECUTABLE_SUFFIX})
    # A native build: none of this project's cross settings are passed on.
    ExternalProject_Add(tumblewit_generator
        SOURCE_DIR ${CMAKE_SOURCE_DIR}/resources/generator
        BINARY_DIR ${GENERATOR_BUILD_DIR}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DTUMBLEWIT_WERROR=${TUMBLEWIT_WERROR}
        BUILD_ALWAYS ON
        INSTALL_COMMAND ""
        BUILD_BYPRODUCTS ${GENERATOR_EXE}
                         ${GENERATOR_BUILD_DIR}/tumblewit-generator-tests${CMAKE_HOST_EXECUTABLE_SUFFIX}
                         ${GENERATOR_BUILD_DIR}/tumblewit-scenes-tests${CMAKE_HOST_EXECUTABLE_SUFFIX}
                         ${GENERATOR_BUILD_DIR}/tumblewit-difficulty-targets${CMAKE_HOST_EXECUTABLE_SUFFIX}
        USES_TERMINAL_BUILD ON
    )
endif()

# The generated files, read from the catalogue's rows: the name of every
# SCREEN, LEVEL and BUTTON row is a .bmp, the file of every SOUND row a .wav.
set(TUMBLEWIT_CATALOGUE ${CMAKE_SOURCE_DIR}/resources/catalogue.inc)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TUMBLEWIT_CATALOGUE})
file(STRINGS ${TUMBLEWIT_CATALOGUE} TUMBLEWIT_CATALOGUE_ROWS REGEX "^(SCREEN|LEVEL|BUTTON|SOUND)\\(")
set(TUMBLEWIT_RESOURCE_FILES "")
foreach(row IN LISTS TUMBLEWIT_CATALOGUE_ROWS)
    if(row MATCHES "^(SCREEN|LEVEL|BUTTON)\\( *[A-Za-z0-9_]+, *([A-Za-z0-9_]+),")
        list(APPEND TUMBLEWIT_RESOURCE_FILES ${TUMBLEWIT_RESOURCE_DIR}/${CMAKE_MATCH_2}.bmp)
    elseif(row MATCHES "^SOUND\\( *[A-Za-z0-9_]+, *[0-9]+, *([A-Za-z0-9_]+),")
        list(APPEND TUMBLEWIT_RESOURCE_FILES ${TUMBLEWIT_RESOURCE_DIR}/${CMAKE_MATCH_1}.wav)
    else()
        message(FATAL_ERROR "catalogue.inc: cannot read the row: ${row}")
    endif()
endforeach()
list(APPEND TUMBLEWIT_RESOURCE_FILES ${TUMBLEWIT_RESOURCE_DIR}/tumblewit.ico)

# Beside them, for people and not for the exe (so in neither that list nor
# generated.sha256): the contact sheet and the levels' difficulty table.
add_custom_command(
    OUTPUT ${TUMBLEWIT_RESOURCE_FILES} ${TUMBLEWIT_RESOURCE_DIR}/contact-sheet.png
           ${TUMBLEWIT_RESOURCE_DIR}/difficulty.txt
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TUMBLEWIT_RESOURCE_DIR}
    COMMAND ${GENERATOR_EXE} --fonts ${TUMBLEWIT_FONT_DIR} --out ${TUMBLEWIT_RESOURCE_DIR}
    DEPENDS ${GENERATOR_EXE} tumblewit_generator
    COMMENT "Drawing pictures, buttons, icon and sounds"
    VERBATIM
)
add_custom_target(tumblewit_resources DEPENDS ${TUMBLEWIT_RESOURCE_FILES})
