#ifndef GMATH_TOOL_COMMANDS_H
#define GMATH_TOOL_COMMANDS_H

#include <cstddef>
#include <string>
#include <vector>

#include "args.h"
#include "streams.h"

// A subcommand: its operands, a one-line summary for the tool's help, the
// paragraph of its own help, how many operands it takes, and whether it
// takes the options (export). run returns the exit status.
struct Subcommand {
  const char* name;
  const char* operands;
  const char* summary;
  const char* details;
  std::size_t minOperands;
  std::size_t maxOperands;
  bool takesOptions;
  int (*run)(const std::vector<std::string>& operands, const Options& options, const Streams& io);
};

const std::vector<Subcommand>& Subcommands();

// Null for a name no subcommand has.
const Subcommand* FindSubcommand(const std::string& name);

#endif
