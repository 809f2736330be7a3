# orvendale_module(target KIND [USES targets...]): what every target of a kind needs, said once.
#   CODE     our own code, warnings as errors: the libraries, the benchmarks, the fuzz targets
#   PROGRAM  the program as users start it (orvendale.exe, and the copy the tests drive): wWinMain, the
#            application's resources (icon, manifest, version) and its load configuration
#   TOOL     a helper program of the tests or the demo machine: a wide entry
#   TEST     test code: built with little optimising; a test program also carries the program's
#            resources, whose manifest declares long paths, and USES names what its cases start
# PROGRAM and TOOL are Windows executables. The resource script is the one src/win32 configures.
function(orvendale_module target kind)
  cmake_parse_arguments(MODULE "" "" "USES" ${ARGN})
  target_compile_options(${target} PRIVATE ${ORVENDALE_WARNINGS})
  if(kind STREQUAL "PROGRAM")
    target_sources(${target} PRIVATE ${ORVENDALE_RESOURCE_SCRIPT})
    orvendale_program(${target})
  elseif(kind STREQUAL "TOOL")
    orvendale_wide_entry(${target})
  elseif(kind STREQUAL "TEST")
    target_compile_options(${target} PRIVATE ${ORVENDALE_TEST_CODE})
    get_target_property(type ${target} TYPE)
    if(WIN32 AND type STREQUAL "EXECUTABLE")
      target_sources(${target} PRIVATE ${ORVENDALE_RESOURCE_SCRIPT})
    endif()
    if(MODULE_USES)
      add_dependencies(${target} ${MODULE_USES})
    endif()
  elseif(NOT kind STREQUAL "CODE")
    message(FATAL_ERROR "orvendale_module(${target} ${kind}): no such kind")
  endif()
endfunction()
