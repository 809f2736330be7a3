# The release a Windows user downloads: orvendale-<version>-win64.zip with the program, the hand
# pointer, the two skins, a readme for its users and the licence.
configure_file(${PROJECT_SOURCE_DIR}/docs/readme.txt.in ${CMAKE_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
install(TARGETS orvendale RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/resources/HAND-M.CUR ${CMAKE_BINARY_DIR}/README.txt
              ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/docs/skins.md
        DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/resources/skins/light.cjs ${PROJECT_SOURCE_DIR}/resources/skins/dark.cjs
        DESTINATION skins)

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
