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
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
        BUILD_ALWAYS ON
        INSTALL_COMMAND ""
        BUILD_BYPRODUCTS ${GENERATOR_EXE} ${GENERATOR_BUILD_DIR}/tumblewit-generator-tests
                         ${GENERATOR_BUILD_DIR}/tumblewit-scenes-tests
        USES_TERMINAL_BUILD ON
    )
endif()

set(TUMBLEWIT_RESOURCE_FILES "")
foreach(name pic1 pic2 pic3 pic4 pic10 pic11 pic12 pic13 pic14 pic15 pic16 pic17 pic18
             pic19 pic20 pic21 pic22 bs_1 be_1 bn_1 be_3 be_5 bb_1 bh_1 bh_2 bh_3 bh_4)
    list(APPEND TUMBLEWIT_RESOURCE_FILES ${TUMBLEWIT_RESOURCE_DIR}/${name}.bmp)
endforeach()
foreach(name found spare miss click music)
    list(APPEND TUMBLEWIT_RESOURCE_FILES ${TUMBLEWIT_RESOURCE_DIR}/${name}.wav)
endforeach()
list(APPEND TUMBLEWIT_RESOURCE_FILES ${TUMBLEWIT_RESOURCE_DIR}/tumblewit.ico)

add_custom_command(
    OUTPUT ${TUMBLEWIT_RESOURCE_FILES} ${TUMBLEWIT_RESOURCE_DIR}/contact-sheet.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TUMBLEWIT_RESOURCE_DIR}
    COMMAND ${GENERATOR_EXE} --fonts ${TUMBLEWIT_FONT_DIR} --out ${TUMBLEWIT_RESOURCE_DIR}
    DEPENDS ${GENERATOR_EXE} tumblewit_generator
    COMMENT "Drawing pictures, buttons, icon and sounds"
    VERBATIM
)
add_custom_target(tumblewit_resources DEPENDS ${TUMBLEWIT_RESOURCE_FILES})
