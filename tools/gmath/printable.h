#ifndef GMATH_TOOL_PRINTABLE_H
#define GMATH_TOOL_PRINTABLE_H

#include <string>

// The text as it may safely reach a terminal: control bytes (C0, DEL, and
// the C1 controls' UTF-8 forms) and bytes that are not part of valid UTF-8
// show as \xNN; everything else, non-ASCII characters included, is kept.
std::string Printable(const std::string& text);

#endif
