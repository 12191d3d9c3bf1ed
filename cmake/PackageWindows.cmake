# What a Windows user gets: the program with everything it loads beside it
# (Qt's DLLs, the platform and style plugins, MinGW's runtime), the help page
# and its pictures, and the Start menu's launcher. `cpack -G NSIS` makes the
# installer from it.

# Qt's own DLLs and plugins, from the Qt this build found.
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets> DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
if(TARGET Qt6::QWindowsVistaStylePlugin)
  install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
endif()
# MinGW's runtime, which Qt's DLLs link (the program's own tests link it
# statically instead).
if(MINGW)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE path
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
      message(FATAL_ERROR "MinGW's ${dll} is not where the compiler says (${path})")
    endif()
    file(REAL_PATH "${path}" path)
    install(FILES ${path} DESTINATION .)
  endforeach()
endif()

# The licences of all that is shipped, in licenses/: Qt's LGPL asks for its
# text and for the notices of Qt and of the code bundled in it, and the
# runtime DLLs carry their own. The notices are the copyright files of the
# Debian packages they were built from, so they name every part.
set(TINTWATCH_QT_SOURCE "")
if(TINTWATCH_QT_PREFIX MATCHES "/qt-([^/]+)-mingw64-[^/]*$")
  set(TINTWATCH_QT_SOURCE ", version ${CMAKE_MATCH_1}")
endif()
configure_file(${PROJECT_SOURCE_DIR}/docs/windows-licences.txt.in ${CMAKE_BINARY_DIR}/licenses/README.txt @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/licenses/README.txt DESTINATION licenses)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION licenses RENAME Tintwatch.txt)
foreach(pair "/usr/share/common-licenses/LGPL-3|LGPL-3.txt"
             "/usr/share/common-licenses/GPL-3|GPL-3.txt"
             "/usr/share/doc/libqt6core6/copyright|Qt.txt"
             "/usr/share/doc/qt6-translations-l10n/copyright|Qt-translations.txt"
             "/usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright|GCC-runtime.txt"
             "/usr/share/doc/mingw-w64-x86-64-dev/copyright|MinGW-w64.txt")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 from)
  list(GET pair 1 to)
  if(EXISTS ${from})
    install(FILES ${from} DESTINATION licenses RENAME ${to})
  else()
    message(WARNING "${from} is missing: the Windows files will lack licenses/${to}")
  endif()
endforeach()

set(CPACK_PACKAGE_NAME Tintwatch)
set(CPACK_PACKAGE_VENDOR "The Tintwatch developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "A desktop clock that tells the time in colours")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tintwatch)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Tintwatch)
set(CPACK_PACKAGE_FILE_NAME tintwatch-${PROJECT_VERSION}-windows-x64-setup)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR NSIS)
# A 64-bit installer: the program is one, and a 64-bit Wine runs no 32-bit
# program.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Tintwatch)
set(CPACK_NSIS_DISPLAY_NAME Tintwatch)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/docs/pictures/tintwatch.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/docs/pictures/tintwatch.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME tintwatch.exe)
set(CPACK_NSIS_CONTACT "tintwatch@example.org")
set(CPACK_NSIS_URL_INFO_ABOUT "https://tintwatch.example.org/")
# The Start menu's entry runs the launcher, which starts the clock in
# %APPDATA%\Tintwatch: Program Files is not the user's to write settings in.
# The settings stay when the program is uninstalled.
set(CPACK_NSIS_MENU_LINKS tintwatch-launch.exe Tintwatch tintwatch-help.html "Tintwatch Help")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
include(CPack)
