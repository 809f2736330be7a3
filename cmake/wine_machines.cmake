# Under Wine the Windows tests run side by side on a few machines of their own (scripts/wine-slots),
# each a Wine prefix with a display, made afresh by the first test and stopped by the last; a case takes
# one machine for as long as it runs. On Windows they run one after another on the machine itself.
if(CMAKE_CROSSCOMPILING)
  set(ORVENDALE_WINE_SLOTS 3 CACHE STRING "How many Wine machines the Windows tests run on side by side")
  set(ORVENDALE_WINE_ROOT ${CMAKE_BINARY_DIR}/wine)
  set(slots "")
  foreach(slot RANGE 1 ${ORVENDALE_WINE_SLOTS})
    list(APPEND slots "{\"id\": \"${slot}\", \"slots\": 1}")
  endforeach()
  list(JOIN slots ", " slots)
  file(WRITE ${CMAKE_BINARY_DIR}/wine-slots.json
       "{\"version\": {\"major\": 1, \"minor\": 0}, \"local\": [{\"wine\": [${slots}]}]}\n")
  add_test(NAME wine_slots_start COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-slots start ${ORVENDALE_WINE_SLOTS}
                                         ${CMAKE_BINARY_DIR}/bin/orvendale_wine_keepalive.exe)
  add_test(NAME wine_slots_stop COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-slots stop)
  set_tests_properties(wine_slots_start PROPERTIES FIXTURES_SETUP wine_slots TIMEOUT 300)
  set_tests_properties(wine_slots_stop PROPERTIES FIXTURES_CLEANUP wine_slots)
  set_tests_properties(wine_slots_start wine_slots_stop PROPERTIES ENVIRONMENT ORVENDALE_WINE_ROOT=${ORVENDALE_WINE_ROOT})
endif()

# orvendale_on_wine_machine(tests...): each test runs on a machine of its own under Wine, alone on it.
function(orvendale_on_wine_machine)
  if(CMAKE_CROSSCOMPILING)
    set_tests_properties(${ARGN} PROPERTIES FIXTURES_REQUIRED wine_slots RESOURCE_GROUPS wine:1
                                            ENVIRONMENT ORVENDALE_WINE_ROOT=${ORVENDALE_WINE_ROOT})
  else()
    set_tests_properties(${ARGN} PROPERTIES RUN_SERIAL TRUE)
  endif()
endfunction()
