#include "args.h"

bool ParseArguments(int argc, char** argv, Arguments& args, std::string& error) {
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (options && arg == "--") {
      options = false;
    } else if (options && (arg == "--help" || arg == "-h")) {
      args.help = true;
    } else if (options && arg == "--version") {
      args.version = true;
    } else if (options && arg.size() > 1 && arg[0] == '-') {
      error = "unknown option '" + arg + "' (see gmath --help)";
      return false;
    } else if (args.subcommand.empty()) {
      args.subcommand = arg;
    } else {
      args.operands.push_back(arg);
    }
  }
  return true;
}
