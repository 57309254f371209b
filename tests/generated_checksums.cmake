# Compares every generated resource file with the committed checksum list
# (resources/generated.sha256, in the format of sha256sum). The same generator
# and fonts make the same bytes on every machine; a different font file or
# Cairo version shows up here as the list of files that changed. Look at them
# (contact-sheet.png in the generated folder), and when the change is wanted,
# write the list anew and commit it:
#
#   cmake --build build/win64 --target refresh_generated_checksums
#
# FILES is the generated files, separated by commas.
cmake_minimum_required(VERSION 3.20)
string(REPLACE "," ";" FILES "${FILES}")
set(actual "")
foreach(file IN LISTS FILES)
    get_filename_component(name ${file} NAME)
    if(NOT EXISTS ${GENERATED_DIR}/${name})
        message(FATAL_ERROR "${name} was not generated into ${GENERATED_DIR}")
    endif()
    file(SHA256 ${GENERATED_DIR}/${name} hash)
    list(APPEND actual "${hash}  ${name}")
endforeach()

if(REFRESH)
    list(JOIN actual "\n" text)
    file(WRITE ${LIST} "${text}\n")
    list(LENGTH actual count)
    message(STATUS "wrote ${count} checksums to ${LIST}")
    return()
endif()

file(STRINGS ${LIST} expected)
set(changed "")
foreach(line IN LISTS actual)
    if(NOT line IN_LIST expected)
        string(REGEX REPLACE "^[0-9a-f]+  " "" name "${line}")
        list(APPEND changed ${name})
    endif()
endforeach()
foreach(line IN LISTS expected)
    string(REGEX REPLACE "^[0-9a-f]+  " "" name "${line}")
    set(present FALSE)
    foreach(file IN LISTS FILES)
        get_filename_component(generated ${file} NAME)
        if(generated STREQUAL name)
            set(present TRUE)
        endif()
    endforeach()
    if(NOT present)
        list(APPEND changed "${name} (listed, no longer generated)")
    endif()
endforeach()
if(changed)
    list(JOIN changed "\n  " shown)
    message(FATAL_ERROR
        "Generated files differ from resources/generated.sha256:\n  ${shown}\n"
        "A font, Cairo or generator change makes new bytes. Compare the pictures "
        "(contact-sheet.png in ${GENERATED_DIR}); if the change is meant, refresh the list with\n"
        "  cmake --build <build dir> --target refresh_generated_checksums\n"
        "and commit resources/generated.sha256.")
endif()
list(LENGTH actual count)
message(STATUS "${count} generated files match their checksums")
