# The packages, made by cpack in a build configured for them
# (GMATH_RELEASE_CMAKE_ARGS in scripts/lib-deps.sh, prefix /usr): one
# Debian package per install component, named as Debian names libraries
# (the runtime package carries the SONAME's major version), and one .tar.gz
# of everything. scripts/package-check builds and tries them.
set(CPACK_PACKAGE_NAME gmath)
set(CPACK_PACKAGE_VENDOR "The gmath maintainers")
set(CPACK_PACKAGE_CONTACT "The gmath maintainers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_PACKAGE_FILE_NAME gmath-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_COMPONENTS_ALL runtime development tools)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(gmath_runtime_package libgmath${PROJECT_VERSION_MAJOR})
set(gmath_exact "${gmath_runtime_package} (= ${PROJECT_VERSION}-1)")

# The runtime package: the versioned library, its dependencies on the C and
# C++ runtimes found by dpkg-shlibdeps, and a shlibs file (with the
# ldconfig trigger) so that other packages can depend on it.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${gmath_runtime_package})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
  "${PROJECT_DESCRIPTION}: the shared library\nValues, boxes, transforms, query volumes, batch calls and the box index, with tolerance-aware tests.")

# The development package: headers, the libgmath.so link, the CMake package
# and gmath.pc. Headers and library must be of one version.
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libgmath-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "${gmath_exact}")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
  "${PROJECT_DESCRIPTION}: development files\nThe C++17 headers, the CMake package (find_package(gmath)) and gmath.pc.")

# The tool links the library of its own version; the C and C++ runtimes
# come with the library's package.
set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME gmath-tools)
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION math)
set(CPACK_DEBIAN_TOOLS_PACKAGE_DEPENDS "${gmath_exact}")
set(CPACK_COMPONENT_TOOLS_DESCRIPTION
  "${PROJECT_DESCRIPTION}: the gmath command-line tool\nPrints, checks, converts and heals the values of text dumps.")

include(CPack)
