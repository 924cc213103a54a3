#ifndef GMATH_TOOL_RUN_H
#define GMATH_TOOL_RUN_H

#include "streams.h"

// The whole tool on a command line (argv[0] the program): reads "-" from
// io.in, writes to io.out and io.err, and returns the exit status instead
// of ending the process, so that a fuzzer can drive it.
int RunTool(int argc, char** argv, const Streams& io);

#endif
