# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads,
# which GoogleTest needs). Programs are linked statically, so that they run
# under Wine or on Windows without a DLL beside them; with Qt for Windows
# (TINTWATCH_QT_PREFIX, from scripts/build-qt-windows.sh) the program shares
# MinGW's runtime DLLs with Qt's instead, as one C++ runtime must.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${TINTWATCH_QT_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
if(TINTWATCH_QT_PREFIX)
  list(APPEND CMAKE_PREFIX_PATH ${TINTWATCH_QT_PREFIX})
  # Qt's tools (moc, uic, rcc) are the system's, of the same version.
  set(QT_HOST_PATH /usr)
else()
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()
find_program(TINTWATCH_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(TINTWATCH_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TINTWATCH_WINE})
endif()
