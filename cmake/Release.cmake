# The release set: one folder holding the installer and the ten files it installs, under the
# names the installer looks for in its current folder.
set(QM_RELEASE_DIR "${CMAKE_BINARY_DIR}/release/Quillmere")
set(QM_PAYLOAD_DIR "${PROJECT_SOURCE_DIR}/installer/payload")

set(release_commands
    COMMAND ${CMAKE_COMMAND} -E make_directory "${QM_RELEASE_DIR}"
    COMMAND ${CMAKE_COMMAND} -E copy "${QM_PAYLOAD_DIR}/MSFLXGRD.OCX"
        "${QM_PAYLOAD_DIR}/RICHTX32.OCX" "${QM_PAYLOAD_DIR}/MSSTDFMT.DLL" "${QM_RELEASE_DIR}"
    COMMAND ${CMAKE_COMMAND} -E copy "${QM_PAYLOAD_DIR}/quillmere.manifest"
        "${QM_RELEASE_DIR}/QM1.dat"
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Uninstall> "${QM_RELEASE_DIR}/QM2.dat"
    COMMAND ${CMAKE_COMMAND} -E copy "${QM_PAYLOAD_DIR}/qmstat.manifest"
        "${QM_RELEASE_DIR}/QM4.dat"
    COMMAND ${CMAKE_COMMAND} -E copy "${QM_HELP_PDF}" "${QM_RELEASE_DIR}/Quillmere.pdf"
    COMMAND ${CMAKE_COMMAND} -E copy "${QM_HELP_PDF_EN}" "${QM_RELEASE_DIR}/Quillmere-en.pdf"
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Install> "${QM_RELEASE_DIR}"
)
set(release_programs Install Uninstall help_document)
# The two programs come from their own folders; the set is complete once both are built.
if(TARGET Quillmere)
    list(APPEND release_commands
        COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Quillmere> "${QM_RELEASE_DIR}/QM0.dat")
    list(APPEND release_programs Quillmere)
endif()
if(TARGET QMStat)
    list(APPEND release_commands
        COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:QMStat> "${QM_RELEASE_DIR}/QM3.dat")
    list(APPEND release_programs QMStat)
endif()
if(NOT (TARGET Quillmere AND TARGET QMStat))
    message(STATUS "Release set incomplete: the Quillmere and QMStat programs are not both built")
endif()

add_custom_target(release_set ALL ${release_commands}
    COMMENT "Preparing the release set in ${QM_RELEASE_DIR}"
    VERBATIM)
add_dependencies(release_set ${release_programs})

install(DIRECTORY "${QM_RELEASE_DIR}/" DESTINATION Quillmere USE_SOURCE_PERMISSIONS)
set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME Quillmere)
set(CPACK_PACKAGE_VENDOR Quillmere)
set(CPACK_PACKAGE_FILE_NAME "Quillmere-${PROJECT_VERSION}-Linux")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
