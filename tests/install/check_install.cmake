# Installs the build into a fresh temporary prefix, validates the menu entry, then runs the
# installed-program test from that prefix's bin/ folder.
# Arguments: BUILD_DIR, WORK_DIR (emptied first), PROBE (the test executable).
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
    RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

# Hints count as failures too: a menu entry should pass without remarks.
find_program(desktop_file_validate desktop-file-validate REQUIRED)
execute_process(COMMAND ${desktop_file_validate} ${prefix}/share/applications/qv.kavronet.veld.desktop
    RESULT_VARIABLE failed OUTPUT_VARIABLE remarks ERROR_VARIABLE remarks)
if(failed OR remarks)
    message(FATAL_ERROR "desktop-file-validate: ${remarks}")
endif()

get_filename_component(probe_name ${PROBE} NAME)
file(COPY ${PROBE} DESTINATION ${prefix}/bin)
execute_process(COMMAND ${prefix}/bin/${probe_name} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "the installed program failed its test")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
