include(CMakePackageConfigHelpers)

install(TARGETS gmath EXPORT gmathTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
if(TARGET gmath_tool)
  install(TARGETS gmath_tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(DIRECTORY include/gmath DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${PROJECT_BINARY_DIR}/include/gmath/version.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/gmath)

set(GMATH_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/gmath)
install(EXPORT gmathTargets NAMESPACE gmath:: DESTINATION ${GMATH_CMAKE_DIR})
configure_package_config_file(cmake/gmathConfig.cmake.in
  ${PROJECT_BINARY_DIR}/gmathConfig.cmake
  INSTALL_DESTINATION ${GMATH_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/gmathConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/gmathConfig.cmake
  ${PROJECT_BINARY_DIR}/gmathConfigVersion.cmake
  DESTINATION ${GMATH_CMAKE_DIR})

if(GMATH_SHARED)
  set(GMATH_PC_CFLAGS "")
else()
  set(GMATH_PC_CFLAGS "-DGMATH_STATIC")
endif()
# The pkg-config file finds the prefix from its own place, so that an
# install tree moved elsewhere, or installed with --prefix, still works.
file(RELATIVE_PATH GMATH_PC_TO_PREFIX "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
configure_file(cmake/gmath.pc.in ${PROJECT_BINARY_DIR}/gmath.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/gmath.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
