# Installs the build into PREFIX and checks the bundle layout the about window relies on.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "install into ${PREFIX} failed: ${result}")
endif()
if(NOT EXISTS "${PREFIX}/bin/MorvalitDL" OR IS_DIRECTORY "${PREFIX}/bin/MorvalitDL")
    message(FATAL_ERROR "no program at ${PREFIX}/bin/MorvalitDL")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${PICTURE}" "${PREFIX}/Resources/Info Morvalit.jpg"
    RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${PREFIX}/Resources/Info Morvalit.jpg is missing or is not the about picture")
endif()
file(REMOVE_RECURSE "${PREFIX}")
