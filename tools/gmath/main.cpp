// gmath: reads gmath values from files or standard input, in the bare-number
// form or as the library's labelled dumps, and prints what the library makes
// of them.
#include <cstdio>
#include <cstdlib>
#include <new>

#include "report.h"
#include "run.h"

namespace {

// A failed allocation ends the tool as an unusable input does, not with an
// abort. It exits here rather than throwing std::bad_alloc to a handler at
// the top: a throw needs memory too, and a process started under a tight
// limit may have had none to set aside for it.
[[noreturn]] void OutOfMemory() {
  std::fputs("gmath: out of memory\n", stderr);
  std::_Exit(kUnusable);
}

}  // namespace

int main(int argc, char** argv) {
  std::set_new_handler(OutOfMemory);
  return RunTool(argc, argv, {stdin, stdout, stderr});
}
