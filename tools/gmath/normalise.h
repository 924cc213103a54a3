#ifndef GMATH_TOOL_NORMALISE_H
#define GMATH_TOOL_NORMALISE_H

#include <string>

// The bare-number form of one line of a text that may be a labelled dump,
// ending in '\n': everything up to the last word ending in ':' (a label or a
// header) and a leading point index "[i]" go, and a line of the legend of a
// 4x4 dump goes whole, since its numbers are element indices. Every other
// word is kept as it is, so bare numbers pass unchanged and a stray word
// still fails the read.
std::string BareLine(const std::string& line);

#endif
