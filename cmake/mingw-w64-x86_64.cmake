# Cross-building the Qt-free libraries and their tests for 64-bit Windows with Debian's
# mingw-w64 (the posix thread model: GCC 12's win32 model has no std::thread). The tests run
# through Wine; scripts/test-windows.sh sets all of this up.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER   x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# One self-contained .exe per test: no MinGW runtime DLLs to copy beside it. The tests' own
# libraries are found as static archives too (tests/support/CMakeLists.txt).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# A caller may run the tests through its own wrapper (as an unprivileged user, say).
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR wine)
endif()
