include(CMakePackageConfigHelpers)

install(TARGETS tessera EXPORT TesseraTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY src/tessera DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  FILES_MATCHING PATTERN "*.hpp" PATTERN "*.h")
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
