# Shared helpers for the project's targets.

# qm_add_library(<name> [sources...])
# One of the project's libraries: static, or shared with QM_SHARED_LIBS (the mutation tool's
# tree, where a mutant then rebuilds one library and relinks no executable). Shared, it gets
# no <name>_EXPORTS define and no -fPIC of its own (Qt gives it), so that its objects compile
# as in the static build and ccache shares them.
function(qm_add_library name)
    if(QM_SHARED_LIBS)
        add_library(${name} SHARED ${ARGN})
        set_target_properties(${name} PROPERTIES DEFINE_SYMBOL "" POSITION_INDEPENDENT_CODE OFF)
    else()
        add_library(${name} STATIC ${ARGN})
    endif()
endfunction()

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
    # Whatever fonts the machine has, the tests see DejaVu Sans, as a bare Debian shows it.
    if(QM_TEST_FONTCONFIG_DejaVuSans)
        list(APPEND env "FONTCONFIG_FILE=${QM_TEST_FONTCONFIG_DejaVuSans}")
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 120)
endfunction()

# qm_add_font_runs(<test> FONTS <families...> [SCALED] FUNCTIONS <test functions...>)
# The clipping checks of <test>, its <test functions>, run again under each family of
# QM_TEST_FONTS given (as <test>@<family>; DejaVu Sans is the plain run's), and with SCALED under
# each family at 1.5 times the size (<test>@<family>@1.5x).
function(qm_add_font_runs name)
    cmake_parse_arguments(ARG "SCALED" "" "FONTS;FUNCTIONS" ${ARGN})
    set(base "QT_QPA_PLATFORM=offscreen" "LC_ALL=C.UTF-8" "TZ=Europe/Paris")
    foreach(family IN LISTS ARG_FONTS)
        string(REPLACE " " "" slug "${family}")
        set(scales 1)
        if(ARG_SCALED)
            list(APPEND scales 1.5)
        endif()
        foreach(scale IN LISTS scales)
            if(slug STREQUAL "DejaVuSans" AND scale STREQUAL "1")
                continue() # the plain run
            endif()
            set(run "${name}@${slug}")
            if(NOT scale STREQUAL "1")
                string(APPEND run "@${scale}x")
            endif()
            add_test(NAME ${run} COMMAND ${name} ${ARG_FUNCTIONS})
            set(env ${base} "FONTCONFIG_FILE=${QM_TEST_FONTCONFIG_${slug}}"
                "QT_SCALE_FACTOR=${scale}")
            set_tests_properties(${run} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 120)
        endforeach()
    endforeach()
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
