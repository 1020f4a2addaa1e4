# Runs one end-to-end scenario: the driver plays SCRIPT against the rules data in DIR, and
# its output must equal EXPECTED line for line.
execute_process(
    COMMAND ${DRIVER} --dir ${DIR} ${SCRIPT}
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
