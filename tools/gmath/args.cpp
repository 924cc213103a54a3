#include "args.h"

namespace {

// How many words follow the option; 0 for a word that is none of these.
int ValueCount(const std::string& arg) {
  if (arg == "--extent") return 6;
  if (arg == "--format" || arg == "--output" || arg == "-o") return 1;
  return 0;
}

void Store(const std::string& arg, std::vector<std::string> values, Options& options) {
  if (arg == "--extent") {
    options.extent = std::move(values);
  } else {
    (arg == "--format" ? options.format : options.output) = values[0];
  }
}

}  // namespace

bool ParseArguments(int argc, char** argv, Arguments& args, std::string& error) {
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const int count = options ? ValueCount(arg) : 0;
    if (options && arg == "--") {
      options = false;
    } else if (options && (arg == "--help" || arg == "-h")) {
      args.help = true;
    } else if (options && arg == "--version") {
      args.version = true;
    } else if (count > 0) {
      if (argc - 1 - i < count) {
        error = "option '" + arg + "' needs " + (count == 1 ? "a value" : "six numbers") +
                " (see gmath export --help)";
        return false;
      }
      Store(arg, std::vector<std::string>(argv + i + 1, argv + i + 1 + count), args.options);
      i += count;
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
