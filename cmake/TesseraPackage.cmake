# The Debian package (scripts/package): the library, its headers, the command-line tool and the
# viewer, with the viewer's desktop entry, its icon, its translations (installed with the viewer)
# and both manual pages.
set(_packaging ${PROJECT_SOURCE_DIR}/packaging)
foreach(_page tessera.1 tessera-view.1)
  # Debian installs manual pages compressed; the version is filled in first.
  configure_file(${_packaging}/${_page} ${PROJECT_BINARY_DIR}/man/${_page} @ONLY)
  file(ARCHIVE_CREATE OUTPUT ${PROJECT_BINARY_DIR}/man/${_page}.gz PATHS ${PROJECT_BINARY_DIR}/man/${_page}
    FORMAT raw COMPRESSION GZip)
  install(FILES ${PROJECT_BINARY_DIR}/man/${_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
if(TARGET tessera_view)
  install(FILES ${_packaging}/tessera-view.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_packaging}/tessera-view.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessera)
set(CPACK_PACKAGE_VENDOR "Tessera developers")
set(CPACK_PACKAGE_CONTACT "Tessera developers <tessera@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "raster floor plans under building drawings: library, tool and viewer")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessera places a scanned floor plan (BMP or JPG) under the vector drawing of one floor, draws it,
aligns it interactively and keeps its placement per floor in a settings file. This package holds
the shared library with its headers for C++ and C hosts, the command-line tool tessera and the
desktop viewer tessera-view.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs (file, print, preview) in the user's language beside the viewer's texts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
include(CPack)
