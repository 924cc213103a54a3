#ifndef GMATH_TOOL_ARGS_H
#define GMATH_TOOL_ARGS_H

#include <string>
#include <vector>

// The command line: options may stand anywhere, "--" ends them, and "-"
// is an operand (standard input).
struct Arguments {
  std::string subcommand;
  std::vector<std::string> operands;
  bool help = false;
  bool version = false;
};

// False, with a one-line reason in error, for an option it does not know.
bool ParseArguments(int argc, char** argv, Arguments& args, std::string& error);

#endif
