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

# qm_add_translations(<target> PROGRAM <name> TS_FILES <files...> SOURCE_DIRS <folders...>)
# The program's .ts files, checked in, are built into .qm files embedded in <target>'s resources
# as ":/i18n/<name>_<language>.qm", where qm::installUiLanguage looks for them. The
# update_translations target refreshes the .ts files from every source under SOURCE_DIRS;
# tools/check_ts.sh runs the same refresh in a temporary copy to see that nothing is left out.
function(qm_add_translations target)
    cmake_parse_arguments(ARG "" "PROGRAM" "TS_FILES;SOURCE_DIRS" ${ARGN})
    set(sources)
    foreach(dir IN LISTS ARG_SOURCE_DIRS)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h")
        list(APPEND sources ${found})
    endforeach()
    qt_add_lupdate(${target} TS_FILES ${ARG_TS_FILES} SOURCES ${sources}
        OPTIONS -no-obsolete -locations none)
    qt_add_lrelease(${target} TS_FILES ${ARG_TS_FILES} QM_FILES_OUTPUT_VARIABLE qm_files)
    qt_add_resources(${target} "${ARG_PROGRAM}_translations" PREFIX /i18n
        BASE "${CMAKE_CURRENT_BINARY_DIR}" FILES ${qm_files})
endfunction()
