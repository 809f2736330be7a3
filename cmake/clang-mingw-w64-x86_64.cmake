# Cross-compiles for 64-bit Windows with Clang and LLD, on MinGW-w64's headers and the C++ library of
# Debian's MinGW-w64 GCC (its POSIX-threads build, which Clang does not find by itself).
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
set(CMAKE_C_COMPILER clang)
set(CMAKE_C_COMPILER_TARGET ${TOOLCHAIN_PREFIX})
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET ${TOOLCHAIN_PREFIX})

execute_process(COMMAND ${TOOLCHAIN_PREFIX}-g++-posix -print-libgcc-file-name
                OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(gcc_dir ${libgcc} DIRECTORY)
set(libstdcxx ${gcc_dir}/include/c++)
# Not in CMAKE_CXX_FLAGS, so that flags given on the command line do not lose them.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-nostdinc++>)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${libstdcxx} ${libstdcxx}/${TOOLCHAIN_PREFIX} ${libstdcxx}/backward)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${gcc_dir}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-fuse-ld=lld -L${gcc_dir}")
# std::thread of that library rests on winpthreads.
set(CMAKE_CXX_STANDARD_LIBRARIES "-lpthread")
