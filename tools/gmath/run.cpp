#include "run.h"

#include <gmath/batch.h>
#include <gmath/version.h>

#include <cstdio>
#include <string>

#include "args.h"
#include "commands.h"
#include "dispatch.h"
#include "report.h"

namespace {

void PrintToolHelp(FILE* out) {
  std::fprintf(out, "usage: gmath SUBCOMMAND [ARGUMENTS]    (gmath SUBCOMMAND --help for one)\n");
  std::fprintf(out, "       gmath --help | --version\n\nsubcommands:\n");
  for (const Subcommand& subcommand : Subcommands()) {
    const std::string call = std::string(subcommand.name) + " " + subcommand.operands;
    std::fprintf(out, "  %-34s %s\n", call.c_str(), subcommand.summary);
  }
  std::fprintf(out,
               "\nTYPE: %s.\n"
               "FILE holds one value, as bare numbers or as the dump the library prints;\n"
               "'-' or no FILE reads standard input. Messages of the library go to\n"
               "standard error.\n"
               "exit status: 0 done, 1 the answer is no (check found messages, convert\n"
               "or heal could not), 2 unusable command line or input.\n",
               kTypeNames);
}

void PrintSubcommandHelp(const Subcommand& subcommand, FILE* out) {
  std::fprintf(out, "usage: gmath %s %s\n\n%s\n", subcommand.name, subcommand.operands,
               subcommand.details);
}

int Run(const Arguments& args, const Streams& io) {
  if (args.version) {
    std::fprintf(io.out, "gmath %s\nvector path: %s\n", GMATH_VERSION_STRING, GBatchSimdPath());
    return kDone;
  }
  if (args.subcommand.empty()) {
    if (!args.help) return Fail(io.err, "no subcommand (see gmath --help)");
    PrintToolHelp(io.out);
    return kDone;
  }
  const Subcommand* subcommand = FindSubcommand(args.subcommand);
  if (subcommand == nullptr) {
    return Fail(io.err, "unknown subcommand '" + args.subcommand + "' (see gmath --help)");
  }
  if (args.help) {
    PrintSubcommandHelp(*subcommand, io.out);
    return kDone;
  }
  const std::size_t count = args.operands.size();
  if (count < subcommand->minOperands || count > subcommand->maxOperands) {
    return Fail(io.err,
                std::string("usage: gmath ") + subcommand->name + " " + subcommand->operands);
  }
  if (args.options.Given() && !subcommand->takesOptions) {
    return Fail(io.err,
                std::string("--extent, --format and --output are options of export, not of ") +
                    subcommand->name);
  }
  SendMessagesTo(io.err);
  return subcommand->run(args.operands, args.options, io);
}

}  // namespace

int RunTool(int argc, char** argv, const Streams& io) {
  Arguments args;
  std::string error;
  if (!ParseArguments(argc, argv, args, error)) return Fail(io.err, error);
  const int status = Run(args, io);
  if (std::fflush(io.out) != 0) return Fail(io.err, "cannot write to standard output");
  return status;
}
