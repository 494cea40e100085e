# Shared helpers for the project's targets.

# A program of the release: its executable goes to the program folder.
function(qm_add_program target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${QM_PROGRAM_DIR}")
endfunction()

# qm_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One Qt Test executable registered with CTest. Widget tests run on the offscreen platform.
function(qm_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test test_support ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set(env "QT_QPA_PLATFORM=offscreen" "LC_ALL=C.UTF-8" "TZ=Europe/Paris")
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 120)
endfunction()
