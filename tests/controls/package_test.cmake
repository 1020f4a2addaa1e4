# Installs the KQControls component into a staging folder and builds the slider-host example
# against it with find_package(KQControls), then again against the build tree.
# Inputs: BUILD_DIR, EXAMPLE_DIR, WORK_DIR, PLUGIN_DIR, GENERATOR.
file(REMOVE_RECURSE "${WORK_DIR}")
set(stage "${WORK_DIR}/stage")
set(prefix "/opt/kqcontrols")

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "failed: ${ARGN}\n${out}")
    endif()
endfunction()

set(ENV{DESTDIR} "${stage}")
run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --component KQControls --prefix "${prefix}")
unset(ENV{DESTDIR})

foreach(expected libKQControls.so libKQControls.so.1 libKQControls.so.1.0.0)
    file(GLOB_RECURSE found "${stage}${prefix}/*/${expected}")
    if(NOT found)
        message(FATAL_ERROR "not installed: ${expected}")
    endif()
endforeach()
foreach(header kqattributeslider.h kqcontrols_export.h propertystore.h memorypropertystore.h settingspropertystore.h)
    if(NOT EXISTS "${stage}${prefix}/include/KQControls/${header}")
        message(FATAL_ERROR "header not installed: ${header}")
    endif()
endforeach()
if(NOT EXISTS "${stage}${PLUGIN_DIR}/libkqcontrolsplugin.so")
    message(FATAL_ERROR "Designer plugin not installed into ${PLUGIN_DIR}")
endif()

run(${CMAKE_COMMAND} -S "${EXAMPLE_DIR}" -B "${WORK_DIR}/from-install" -G "${GENERATOR}"
    "-DCMAKE_PREFIX_PATH=${stage}${prefix}")
run(${CMAKE_COMMAND} --build "${WORK_DIR}/from-install")

run(${CMAKE_COMMAND} -S "${EXAMPLE_DIR}" -B "${WORK_DIR}/from-build-tree" -G "${GENERATOR}"
    "-DKQControls_DIR=${BUILD_DIR}/controls/slider")
run(${CMAKE_COMMAND} --build "${WORK_DIR}/from-build-tree")
