include(CMakePackageConfigHelpers)

# Three components, one package each (cmake/GmathPackaging.cmake): the
# shared library a program runs with, what a build against it needs, and
# the tool.
install(TARGETS gmath EXPORT gmathTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime
    NAMELINK_COMPONENT development
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
if(TARGET gmath_tool)
  install(TARGETS gmath_tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tools)
endif()
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT runtime)
install(DIRECTORY include/gmath DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT development)
install(FILES ${PROJECT_BINARY_DIR}/include/gmath/version.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/gmath COMPONENT development)

set(GMATH_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/gmath)
install(EXPORT gmathTargets NAMESPACE gmath:: DESTINATION ${GMATH_CMAKE_DIR}
  COMPONENT development)
configure_package_config_file(cmake/gmathConfig.cmake.in
  ${PROJECT_BINARY_DIR}/gmathConfig.cmake
  INSTALL_DESTINATION ${GMATH_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/gmathConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/gmathConfig.cmake
  ${PROJECT_BINARY_DIR}/gmathConfigVersion.cmake
  DESTINATION ${GMATH_CMAKE_DIR} COMPONENT development)

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
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)

include(cmake/GmathPackaging.cmake)
