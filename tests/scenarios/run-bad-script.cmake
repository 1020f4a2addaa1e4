# A script with an unknown command or a bad number ends with status 2 and names the line.
foreach(case "start\nfly away\n|2: unknown command" "start\ncategory x\n|2: \"category\" needs a whole number"
             "start\ncategory 99\n|2: CategoryCombo has no row 99"
             "start\noption 0\n|2: Modifier2List has no row 0"
             "start\noptions-name Ann\n|2: the Options dialog is not open"
             "start\ntoday 2001-13-01\n|2: \"today\" needs a date as YYYY-MM-DD")
    string(REPLACE "|" ";" parts "${case}")
    list(GET parts 0 script)
    list(GET parts 1 expected_error)
    string(REPLACE "\\n" "\n" script "${script}")
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/bad-script.txt "${script}")
    execute_process(COMMAND ${DRIVER} --dir ${DIR} ${CMAKE_CURRENT_BINARY_DIR}/bad-script.txt
                    OUTPUT_QUIET ERROR_VARIABLE errors RESULT_VARIABLE status)
    if(NOT status EQUAL 2)
        message(FATAL_ERROR "expected status 2, got ${status} for: ${script}")
    endif()
    string(FIND "${errors}" "${expected_error}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "expected \"${expected_error}\" in: ${errors}")
    endif()
endforeach()
