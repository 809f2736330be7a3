# GoogleTest, found once for every test folder and in one way on every platform: by its package config,
# with targets that every folder sees (GLOBAL). A Windows machine has vcpkg's or MSYS2's, Debian has its
# own for native builds; a cross build has none for its target, so the first configure builds Debian's
# sources with the same toolchain and installs them in the build folder, then finds them there as a
# Windows machine finds its own.
if(CMAKE_CROSSCOMPILING AND EXISTS /usr/src/googletest/CMakeLists.txt)
  set(orvendale_gtest_prefix ${CMAKE_BINARY_DIR}/googletest)
  if(NOT EXISTS ${orvendale_gtest_prefix}/lib/cmake/GTest/GTestConfig.cmake)
    message(STATUS "Building GoogleTest for ${CMAKE_SYSTEM_NAME} into ${orvendale_gtest_prefix}")
    set(build ${CMAKE_BINARY_DIR}/googletest-build)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -S /usr/src/googletest -B ${build} -G ${CMAKE_GENERATOR}
              -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE} -DCMAKE_BUILD_TYPE=
              -DCMAKE_INSTALL_PREFIX=${orvendale_gtest_prefix} -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON
      OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${build} --target install --parallel
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  endif()
  # Named outright: a search could come upon the build machine's own GoogleTest.
  set(GTest_DIR ${orvendale_gtest_prefix}/lib/cmake/GTest CACHE PATH "GoogleTest for the target" FORCE)
endif()
find_package(GTest CONFIG REQUIRED GLOBAL)
include(GoogleTest)

# The tests' own code is built with little optimising, as GoogleTest is here: it runs for a moment,
# and optimising its checks costs more time than every run of them saves. Clang keeps -O1: without
# inlining it emits libstdc++'s inline type_info::operator== beside the library's own definition, and
# LLD rejects the pair when it links for MinGW.
set(ORVENDALE_TEST_CODE $<IF:$<CXX_COMPILER_ID:MSVC>,/Od,$<IF:$<CXX_COMPILER_ID:Clang>,-O1,-O0>>)
