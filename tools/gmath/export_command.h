#ifndef GMATH_TOOL_EXPORT_COMMAND_H
#define GMATH_TOOL_EXPORT_COMMAND_H

#include <string>
#include <vector>

#include "args.h"
#include "streams.h"

// gmath export TYPE [FILE] [--format obj|svg] [--output FILE] [--extent
// XLO YLO ZLO XHI YHI ZHI]: the value as a Wavefront OBJ mesh or an SVG top
// view. An unbounded value is cut to the extent (by default the box from
// -10 to 10 on each axis), which is said on standard error.
int Export(const std::vector<std::string>& operands, const Options& options, const Streams& io);

#endif
