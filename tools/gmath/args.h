#ifndef GMATH_TOOL_ARGS_H
#define GMATH_TOOL_ARGS_H

#include <string>
#include <vector>

// The options of the subcommands that take them (export), as given: the
// subcommand checks their values.
struct Options {
  std::vector<std::string> extent;  // the six words after --extent
  std::string format;
  std::string output;

  bool Given() const { return !extent.empty() || !format.empty() || !output.empty(); }
};

// The command line: options may stand anywhere, "--" ends them, and "-"
// is an operand (standard input). An option's values are the words after
// it, whatever they start with, so that --extent takes negative numbers.
struct Arguments {
  std::string subcommand;
  std::vector<std::string> operands;
  Options options;
  bool help = false;
  bool version = false;
};

// False, with a one-line reason in error, for an option it does not know
// or one without its values.
bool ParseArguments(int argc, char** argv, Arguments& args, std::string& error);

#endif
