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
