// A first tour of gmath for a new caller: the tolerances, a rejected
// setting with its result code, and a message reaching the assertion log.
#include <cstdio>

#include "gmath/gmath.h"

namespace {

void ShowTolerances() {
  std::printf("distance tolerance (resabs): %g\n", GetDistanceTolerance());
  std::printf("relative tolerance (resnor): %g\n", GetRelativeTolerance());
  std::printf("fit tolerance      (resfit): %g\n", GetFitTolerance());
}

// The registry level "ValidateReleaseMath" decides whether messages reach
// the log. The example keeps its registry beside itself and asks for level 2:
// the first read creates the value with that default.
void TurnOnAssertionLog() {
  if (SetRegistryRoot("example-registry") == 1) {
    char level[] = "ValidateReleaseMath";
    CheckDebugRegEntryCoreMath(level, 2);
    std::printf("assertion log level: %d\n", CheckDebugRegEntryCoreMath(level, 2));
  }
}

void PrintLog() {
  FILE* log = std::fopen("math_assert_release.log", "r");
  if (log == nullptr) {
    std::printf("math_assert_release.log: not written (registry level below 2)\n");
    return;
  }
  std::printf("math_assert_release.log now ends with:\n");
  char line[256];
  while (std::fgets(line, sizeof line, log) != nullptr) std::printf("  %s", line);
  std::fclose(log);
}

}  // namespace

int main() {
  std::remove("math_assert_release.log");
  ShowTolerances();
  TurnOnAssertionLog();

  long err = 0;
  SetDistanceTolerance(1e-7, &err);
  std::printf("SetDistanceTolerance(1e-7): code %ld, tolerance still %g\n", err,
              GetDistanceTolerance());
  SetDistanceTolerance(2e-7, &err);
  std::printf("SetDistanceTolerance(2e-7): code %ld, tolerance now %g\n", err,
              GetDistanceTolerance());

  PrintLog();
  return 0;
}
