# Runs the generator twice into two folders and fails unless every file is
# byte for byte the same.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/first ${WORK_DIR}/second)
foreach(run first second)
    execute_process(COMMAND ${GENERATOR} --fonts ${FONT_DIR} --out ${WORK_DIR}/${run}
                    RESULT_VARIABLE status OUTPUT_QUIET)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "generator failed (${status}) on the ${run} run")
    endif()
endforeach()
file(GLOB files RELATIVE ${WORK_DIR}/first ${WORK_DIR}/first/*)
list(LENGTH files count)
# Every resource file, the contact sheet and the difficulty table.
math(EXPR expected "${EXPECTED_FILES} + 2")
if(count LESS expected)
    message(FATAL_ERROR "expected at least ${expected} files, found ${count}")
endif()
foreach(name ${files})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/first/${name} ${WORK_DIR}/second/${name}
                    RESULT_VARIABLE differ)
    if(differ)
        message(FATAL_ERROR "${name} differs between two runs")
    endif()
endforeach()
message(STATUS "${count} files identical across two runs")
file(REMOVE_RECURSE ${WORK_DIR})
