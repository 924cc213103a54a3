// gmath: reads gmath values from files or standard input, in the bare-number
// form or as the library's labelled dumps, and prints what the library makes
// of them.
#include <cstdio>
#include <string>

#include <gmath/version.h>

#include "args.h"
#include "commands.h"
#include "report.h"

namespace {

void PrintToolHelp() {
  std::printf("usage: gmath SUBCOMMAND [ARGUMENTS]    (gmath SUBCOMMAND --help for one)\n");
  std::printf("       gmath --help | --version\n\nsubcommands:\n");
  for (const Subcommand& subcommand : Subcommands()) {
    const std::string call = std::string(subcommand.name) + " " + subcommand.operands;
    std::printf("  %-34s %s\n", call.c_str(), subcommand.summary);
  }
  std::printf(
      "\nTYPE: %s.\n"
      "FILE holds one value, as bare numbers or as the dump the library prints;\n"
      "'-' or no FILE reads standard input. Messages of the library go to\n"
      "standard error.\n"
      "exit status: 0 done, 1 the answer is no (check found messages, convert\n"
      "or heal could not), 2 unusable command line or input.\n",
      kTypeNames);
}

void PrintSubcommandHelp(const Subcommand& subcommand) {
  std::printf("usage: gmath %s %s\n\n%s\n", subcommand.name, subcommand.operands,
              subcommand.details);
}

int Run(const Arguments& args) {
  if (args.version) {
    std::printf("gmath %s\n", GMATH_VERSION_STRING);
    return kDone;
  }
  if (args.subcommand.empty()) {
    if (!args.help) return Fail("no subcommand (see gmath --help)");
    PrintToolHelp();
    return kDone;
  }
  const Subcommand* subcommand = FindSubcommand(args.subcommand);
  if (subcommand == nullptr) {
    return Fail("unknown subcommand '" + args.subcommand + "' (see gmath --help)");
  }
  if (args.help) {
    PrintSubcommandHelp(*subcommand);
    return kDone;
  }
  const std::size_t count = args.operands.size();
  if (count < subcommand->minOperands || count > subcommand->maxOperands) {
    return Fail(std::string("usage: gmath ") + subcommand->name + " " + subcommand->operands);
  }
  SendMessagesToStderr();
  return subcommand->run(args.operands);
}

}  // namespace

int main(int argc, char** argv) {
  Arguments args;
  std::string error;
  if (!ParseArguments(argc, argv, args, error)) return Fail(error);
  const int status = Run(args);
  if (std::fflush(stdout) != 0) return Fail("cannot write to standard output");
  return status;
}
