include(CMakePackageConfigHelpers)

install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessera)
install(TARGETS tessera EXPORT TesseraTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# The public headers: the one a C++ host includes, the component ABI and the interfaces a C host includes, and what
# they include; the rest stays private to the build.
include(cmake/TesseraPublicHeaders.cmake)
tessera_public_headers(TESSERA_PUBLIC_HEADERS tessera/tessera.hpp tessera/frame/component/com_abi.h
  tessera/bindings/tessera_interfaces.h)
foreach(_header IN LISTS TESSERA_PUBLIC_HEADERS)
  get_filename_component(_header_dir ${_header} DIRECTORY)
  install(FILES src/${_header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${_header_dir})
endforeach()
install(EXPORT TesseraTargets NAMESPACE tessera:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Tessera)

configure_package_config_file(cmake/TesseraConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/TesseraConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Tessera)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/TesseraConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/TesseraConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/TesseraConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Tessera)

# The .pc file finds its prefix relative to itself, so the installed tree can be moved.
file(RELATIVE_PATH TESSERA_PC_TO_PREFIX "/root/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/root")
configure_file(cmake/tessera.pc.in ${CMAKE_CURRENT_BINARY_DIR}/tessera.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/tessera.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
