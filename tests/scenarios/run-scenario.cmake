# Runs one end-to-end scenario: the driver plays SCRIPT against a fresh copy of DIR (so files
# the script saves never land in the source tree), and its output must equal EXPECTED line for
# line. Files under DIR/expected-files must come out byte for byte the same in the copy.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(GLOB inputs LIST_DIRECTORIES false ${DIR}/*)
file(COPY ${inputs} DESTINATION ${WORK_DIR})
execute_process(
    COMMAND ${DRIVER} --dir ${WORK_DIR} ${SCRIPT}
    OUTPUT_VARIABLE actual
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "scenario driver failed (${status}): ${errors}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
    file(WRITE ${ACTUAL_OUT} "${actual}")
    message(FATAL_ERROR "output differs from ${EXPECTED}; actual output written to ${ACTUAL_OUT}\n"
                        "diff: diff ${EXPECTED} ${ACTUAL_OUT}")
endif()
file(GLOB expected_files RELATIVE ${DIR}/expected-files ${DIR}/expected-files/*)
foreach(name ${expected_files})
    if(NOT EXISTS ${WORK_DIR}/${name})
        message(FATAL_ERROR "the scenario left no ${name}")
    endif()
    file(READ ${DIR}/expected-files/${name} expected_bytes HEX)
    file(READ ${WORK_DIR}/${name} actual_bytes HEX)
    if(NOT expected_bytes STREQUAL actual_bytes)
        message(FATAL_ERROR "${name} differs from ${DIR}/expected-files/${name}\n"
                            "diff: diff ${DIR}/expected-files/${name} ${WORK_DIR}/${name}")
    endif()
endforeach()
