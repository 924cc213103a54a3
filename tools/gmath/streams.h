#ifndef GMATH_TOOL_STREAMS_H
#define GMATH_TOOL_STREAMS_H

#include <cstdio>

// Where a run of the tool reads "-" from and writes to: the process's own
// streams, or the fuzzer's, which must not see the process end.
struct Streams {
  FILE* in;
  FILE* out;
  FILE* err;
};

#endif
