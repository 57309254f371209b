# Run by cpack after it wrote the zip (CPACK_POST_BUILD_SCRIPTS), while the
# zip is still in cpack's staging folder: cpack copies it to
# CPACK_PACKAGE_DIRECTORY afterwards.
# CPack takes the entries in the order the file system lists the staging
# folder, and stores the packer's user and group ids; Debian's
# strip-nondeterminism rewrites the zip with its entries in name order,
# permissions 0644 or 0755, no owner ids, and every time set to
# SOURCE_DATE_EPOCH. Then SHA256SUMS is written beside the zip.
# A failure below must not leave the sums of an earlier zip beside this one.
file(REMOVE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS)

find_program(STRIP_NONDETERMINISM strip-nondeterminism)
if(NOT STRIP_NONDETERMINISM)
    message(FATAL_ERROR "strip-nondeterminism not found (Debian: apt-get install strip-nondeterminism); "
                        "without it the zip's entry order depends on the file system")
endif()
if(NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is not set: cpack must read package/options.cmake")
endif()

if(NOT CPACK_PACKAGE_FILES)
    message(FATAL_ERROR "cpack made no package")
endif()
set(sums "")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    execute_process(COMMAND ${STRIP_NONDETERMINISM} --type zip --timestamp $ENV{SOURCE_DATE_EPOCH} ${package}
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "strip-nondeterminism failed on ${package}")
    endif()
    file(SHA256 ${package} hash)
    get_filename_component(name ${package} NAME)
    string(APPEND sums "${hash}  ${name}\n")
endforeach()
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")
message(STATUS "Wrote ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS")
