# The tool's sources but its main, shared with the tool's fuzzer, which
# builds them with its own instrumentation.
set(GMATH_TOOL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/args.cpp
  ${CMAKE_CURRENT_LIST_DIR}/commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/normalise.cpp
  ${CMAKE_CURRENT_LIST_DIR}/printable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_lines.cpp)
