# The second compiler: clang for the same 64-bit Windows target, with
# Debian's mingw-w64 headers and libraries (posix thread model). make test
# builds everything with it, warnings as errors, so the code is not tied to GCC.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_SYSROOT /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# clang does not find GCC's C++ library in Debian's "12-posix" folder by itself.
file(GLOB VASK_MINGW_GCC_DIRS LIST_DIRECTORIES true /usr/lib/gcc/x86_64-w64-mingw32/*-posix)
list(SORT VASK_MINGW_GCC_DIRS COMPARE NATURAL ORDER DESCENDING)
list(GET VASK_MINGW_GCC_DIRS 0 VASK_MINGW_GCC_DIR)
set(VASK_LIBSTDCXX ${VASK_MINGW_GCC_DIR}/include/c++)
set(CMAKE_CXX_FLAGS_INIT
    "-isystem ${VASK_LIBSTDCXX} -isystem ${VASK_LIBSTDCXX}/x86_64-w64-mingw32 -isystem ${VASK_LIBSTDCXX}/backward")
# libstdc++.a defines std::type_info::operator== out of line as well as in
# its header; clang's inline copy is the same code, so either may be kept.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-L${VASK_MINGW_GCC_DIR} -Wl,--allow-multiple-definition")
# CMake's usual Windows libraries, then what clang's own list lacks: libgcc_eh
# of the posix thread model needs winpthread after it.
set(VASK_STANDARD_LIBRARIES "-lkernel32 -luser32 -lgdi32 -lwinspool -lshell32 -lole32 -loleaut32 -luuid -lcomdlg32 -ladvapi32")
set(CMAKE_C_STANDARD_LIBRARIES "${VASK_STANDARD_LIBRARIES} -lgcc_eh -lpthread")
set(CMAKE_CXX_STANDARD_LIBRARIES "${VASK_STANDARD_LIBRARIES} -lstdc++ -lgcc_eh -lpthread")
