#include <atomic>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "gmath/gmath.h"
#include "support/gmath_test.h"

namespace {

using ThreadsTest = gmath::test::GmathTest;

constexpr int kThreads = 8;
constexpr int kIterations = 250;
constexpr const char* kRejected =
    "SetDistanceTolerance: distance tolerance not smaller than resfit / 10";

std::string OwnMessage(int thread, int iteration) {
  return "thread " + std::to_string(thread) + " message " + std::to_string(iteration);
}

// Every value set lies inside the bounds whatever the other threads hold at
// that moment, so every set succeeds and every read is one of two values.
bool SetAndReadTolerances(int iteration) {
  const bool odd = (iteration & 1) != 0;
  long err = -1;
  long sum = 0;
  SetDistanceTolerance(odd ? 2e-6 : 1e-6, &err);
  sum += err;
  SetRelativeTolerance(odd ? 2e-10 : 1e-10, &err);
  sum += err;
  SetFitTolerance(odd ? 2e-3 : 1e-3, &err);
  sum += err;
  SetDistanceTolerance(1.0, &err);
  const double d = GetDistanceTolerance();
  const double n = GetRelativeTolerance();
  const double f = GetFitTolerance();
  return sum == 0 && err == 2 && (d == 1e-6 || d == 2e-6) && (n == 1e-10 || n == 2e-10) &&
         (f == 1e-3 || f == 2e-3);
}

// Each thread owns a code with a flag of its own, so its own reads are
// certain.
bool SetAndReadValidation(int thread, int iteration) {
  constexpr unsigned char kOwnCodes[kThreads] = {3, 4, 12, 14, 15, 16, 23, 24};
  const unsigned char code = kOwnCodes[thread];
  SetValidate(thread);
  SetValidationFlag(code);
  const bool set = CheckValidationFlag(code) == 1;
  ResetValidationFlag(code);
  const bool reset = CheckValidationFlag(code) == 0;
  const int validate = GetValidate();
  const bool cached = CheckRegistryValidateCoreMath() == 0;
  if (iteration % 50 == 0) ResetRegistryValidationMathFlag();
  return set && reset && cached && validate >= 0 && validate < kThreads;
}

void Work(int thread, std::atomic<int>& failures) {
  for (int i = 0; i < kIterations; ++i) {
    if (!SetAndReadTolerances(i) || !SetAndReadValidation(thread, i)) ++failures;
    std::string own = OwnMessage(thread, i);
    invld(nullptr, own.data(), 1);
  }
}

void Count(const char*, void* counter) { ++*static_cast<std::atomic<int>*>(counter); }

// Two messages per iteration, each appended as one whole line: the rejected
// setter's and the thread's own, which must all be there exactly once.
TEST_F(ThreadsTest, ConcurrentFrameUseKeepsStateAndLogLinesWhole) {
  PutRegistryValue("ValidateReleaseMath", 2);
  std::atomic<int> failures{0};
  std::atomic<int> observed{0};
  SetMessageObserver(&Count, &observed);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) threads.emplace_back(Work, t, std::ref(failures));
  for (auto& thread : threads) thread.join();

  constexpr int kMessages = 2 * kThreads * kIterations;
  EXPECT_EQ(failures.load(), 0);
  EXPECT_EQ(observed.load(), kMessages);
  std::istringstream log(LogText());
  int lines = 0;
  int rejected = 0;
  std::set<std::string> own;
  for (int t = 0; t < kThreads; ++t) {
    for (int i = 0; i < kIterations; ++i) own.insert("#~# " + OwnMessage(t, i));
  }
  for (std::string line; std::getline(log, line); ++lines) {
    if (line == std::string("#~# ") + kRejected) {
      ++rejected;
    } else if (own.erase(line) != 1) {
      ADD_FAILURE() << "malformed or repeated log line: " << line;
    }
  }
  EXPECT_EQ(lines, kMessages);
  EXPECT_EQ(rejected, kThreads * kIterations);
  EXPECT_TRUE(own.empty()) << own.size() << " messages missing from the log";
}

}  // namespace
