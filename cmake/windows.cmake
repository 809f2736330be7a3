# Building for Windows, with MinGW-w64 (GCC or Clang, cross or on Windows) or with MSVC: wide-character
# Win32 throughout, the C++ runtime inside the executables, and the hardening of a current Windows
# binary (ASLR with high-entropy addresses, DEP; Control Flow Guard where the compiler has it).
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)

if(MSVC)
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  add_compile_options(/guard:cf)
  add_link_options(/guard:cf /DYNAMICBASE /HIGHENTROPYVA /NXCOMPAT)
  # The program carries its own manifest in its resources; the linker must not add a second one.
  add_link_options(/MANIFEST:NO)
else()
  add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:SHELL:-include ${CMAKE_CURRENT_LIST_DIR}/windows_sdk_names.h>")
  add_link_options(-static -static-libgcc -static-libstdc++
                   -Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--nxcompat)
  # Two builds of one commit give the same bytes: no build folders in the binaries and no link time
  # in the PE header.
  add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
  add_link_options(-Wl,--no-insert-timestamp)
endif()

# orvendale_wide_entry(target): the target's entry point is wmain or wWinMain. MSVC's linker finds
# it by itself; MinGW-w64 needs to be told.
function(orvendale_wide_entry target)
  if(NOT MSVC)
    target_link_options(${target} PRIVATE -municode)
  endif()
endfunction()

# orvendale_program(target): the program as users start it, from any folder: its entry is wWinMain,
# and its load configuration has the DLLs that its imports load come from the system folder only.
function(orvendale_program target)
  orvendale_wide_entry(${target})
  if(MSVC)
    target_link_options(${target} PRIVATE /DEPENDENTLOADFLAG:0x800)
  else()
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src/win32/load_config.cpp)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      # GNU ld of Debian 12 (2.40) leaves the load configuration directory empty; LLD sets it.
      find_package(Python3 REQUIRED COMPONENTS Interpreter)
      add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/set-load-config $<TARGET_FILE:${target}>)
    endif()
  endif()
endfunction()

# orvendale_precompiled_headers(target headers... | REUSE_FROM other): the Win32 and GoogleTest headers
# that most of the target's files read, parsed once for the target with Clang, which reads a
# precompiled header in a fraction of the time that parsing takes. GCC's precompiled headers take
# longer to read than the headers themselves, and the GCC build also shows that every file includes
# what it uses; there the headers are parsed file by file, as written.
function(orvendale_precompiled_headers target)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    if(ARGV1 STREQUAL "REUSE_FROM")
      target_precompile_headers(${target} REUSE_FROM ${ARGV2})
    else()
      target_precompile_headers(${target} PRIVATE ${ARGN})
    endif()
  endif()
endfunction()
