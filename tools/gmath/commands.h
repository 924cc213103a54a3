#ifndef GMATH_TOOL_COMMANDS_H
#define GMATH_TOOL_COMMANDS_H

#include <cstddef>
#include <string>
#include <vector>

#include "streams.h"

// A subcommand: its operands, a one-line summary for the tool's help, the
// paragraph of its own help, and how many operands it takes. run returns
// the exit status.
struct Subcommand {
  const char* name;
  const char* operands;
  const char* summary;
  const char* details;
  std::size_t minOperands;
  std::size_t maxOperands;
  int (*run)(const std::vector<std::string>& operands, const Streams& io);
};

const std::vector<Subcommand>& Subcommands();

// Null for a name no subcommand has.
const Subcommand* FindSubcommand(const std::string& name);

// The type names, in the order the help lists them.
extern const char* const kTypeNames;

#endif
