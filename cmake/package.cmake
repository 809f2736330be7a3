# The release a Windows user downloads: orvendale-<version>-win64.zip with the program, the hand
# pointer, the two skins, a readme for its users and the licence. Every text file has Windows' line
# ends, which Notepad before Windows 10 1809 needs to show more than one line.
set(ORVENDALE_RELEASE_TEXT ${CMAKE_BINARY_DIR}/release-text)
configure_file(${PROJECT_SOURCE_DIR}/docs/readme.txt.in ${ORVENDALE_RELEASE_TEXT}/README.txt @ONLY NEWLINE_STYLE CRLF)
foreach(text LICENSE docs/skins.md resources/skins/light.cjs resources/skins/dark.cjs)
  get_filename_component(name ${text} NAME)
  configure_file(${PROJECT_SOURCE_DIR}/${text} ${ORVENDALE_RELEASE_TEXT}/${name} @ONLY NEWLINE_STYLE CRLF)
endforeach()
install(TARGETS orvendale RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/resources/HAND-M.CUR ${ORVENDALE_RELEASE_TEXT}/README.txt
              ${ORVENDALE_RELEASE_TEXT}/LICENSE ${ORVENDALE_RELEASE_TEXT}/skins.md
        DESTINATION .)
install(FILES ${ORVENDALE_RELEASE_TEXT}/light.cjs ${ORVENDALE_RELEASE_TEXT}/dark.cjs DESTINATION skins)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME orvendale)
set(CPACK_PACKAGE_VENDOR "Team Kestrune")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Orvendale Software: removes many installed programs in one pass")
set(CPACK_PACKAGE_FILE_NAME orvendale-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)

# The zip unpacks and the program starts from it in a fresh Wine prefix.
if(CMAKE_CROSSCOMPILING AND ORVENDALE_TESTS)
  add_test(NAME release_package_runs
           COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-package ${CMAKE_BINARY_DIR})
  set_tests_properties(release_package_runs PROPERTIES TIMEOUT 300)
  orvendale_on_wine_machine(release_package_runs)
endif()
