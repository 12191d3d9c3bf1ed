# A Debian package: cpack -G DEB in the build folder; on Windows an NSIS
# installer (scripts/package-windows.sh makes it and the portable zip).
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/PackageWindows.cmake)
  return()
endif()
set(CPACK_PACKAGE_NAME tintwatch)
set(CPACK_PACKAGE_VENDOR "The Tintwatch developers")
set(CPACK_PACKAGE_CONTACT "The Tintwatch developers <tintwatch@example.org>")
# Debian's synopsis: no leading article. CPack puts it on the first line
# and indents the lines below as the extended description.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop clock that tells the time in colours")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A borderless, always-on-top square that tells the time in colours: a Hue
clock (three coloured discs inside a rim of colour hours and minutes), an
RGB clock or a Lab clock. Its white background can be made see-through, and
it carries a hue-discrimination test.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
# Qt's own texts (message box buttons, a text box's menu) in the user's
# language; the libraries come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
# The dialogs are laid out for Arial's and Times New Roman's metrics; the
# Noto fonts carry the glyphs of the Chinese, Japanese and Arabic texts.
# Qt's Wayland platform runs the clock in a Wayland session without XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-noto-cjk, fonts-noto-core, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tintwatch.example.org/")
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
include(CPack)
