# The API reference: Doxygen over the installed headers, into
# <build>/docs/api/html (target gmath_docs). Every public declaration must
# be documented, and any warning fails the target.
find_package(Doxygen REQUIRED COMPONENTS dot)

set(DOXYGEN_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/docs/api)
file(MAKE_DIRECTORY ${DOXYGEN_OUTPUT_DIRECTORY})
set(DOXYGEN_PROJECT_BRIEF "${PROJECT_DESCRIPTION}")
set(DOXYGEN_FILE_PATTERNS *.h)
set(DOXYGEN_RECURSIVE YES)
set(DOXYGEN_STRIP_FROM_PATH ${PROJECT_SOURCE_DIR}/include ${PROJECT_BINARY_DIR}/include)
set(DOXYGEN_STRIP_FROM_INC_PATH ${PROJECT_SOURCE_DIR}/include ${PROJECT_BINARY_DIR}/include)
set(DOXYGEN_JAVADOC_AUTOBRIEF YES)
# The reference names the types as callers write them: GBox, not tagGBox.
set(DOXYGEN_TYPEDEF_HIDES_STRUCT YES)
# One comment above a group of overloads documents each of them.
set(DOXYGEN_DISTRIBUTE_GROUP_DOC YES)
set(DOXYGEN_EXTRACT_ALL NO)
set(DOXYGEN_WARN_IF_UNDOCUMENTED YES)
set(DOXYGEN_WARN_IF_DOC_ERROR YES)
set(DOXYGEN_WARN_AS_ERROR FAIL_ON_WARNINGS)
set(DOXYGEN_QUIET YES)
# GMATH_API is visibility only; the layout checks of the internal
# namespace are no interface.
set(DOXYGEN_ENABLE_PREPROCESSING YES)
set(DOXYGEN_MACRO_EXPANSION YES)
set(DOXYGEN_EXPAND_ONLY_PREDEF YES)
set(DOXYGEN_PREDEFINED GMATH_API=)
set(DOXYGEN_EXCLUDE_SYMBOLS gmath::detail gmath::detail::*)
set(DOXYGEN_HAVE_DOT YES)
set(DOXYGEN_DOT_IMAGE_FORMAT svg)
set(DOXYGEN_GENERATE_LATEX NO)
set(DOXYGEN_GENERATE_HTML YES)

doxygen_add_docs(gmath_docs
  ${PROJECT_SOURCE_DIR}/include/gmath
  ${PROJECT_BINARY_DIR}/include/gmath/version.h
  COMMENT "API reference into ${DOXYGEN_OUTPUT_DIRECTORY}/html")
