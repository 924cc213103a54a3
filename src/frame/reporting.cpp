#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "frame/assertion_log.h"
#include "frame/platform.h"
#include "gmath/frame.h"

namespace {

constexpr const char* kLineFormat = "#~# %s\n";

std::atomic<int> invldPrimed{0};
std::atomic<int> outputFilePrimed{0};
std::atomic<GAssertPrompt> assertPrompt{nullptr};

// The observer and its context change together, so they sit behind one
// small lock; it is held only to copy or replace the pair, never while the
// observer runs.
class SpinLock {
 public:
  void lock() {
    while (flag_.test_and_set(std::memory_order_acquire)) {
    }
  }
  void unlock() { flag_.clear(std::memory_order_release); }

 private:
  std::atomic_flag flag_ = ATOMIC_FLAG_INIT;
};

SpinLock observerLock;
GMessageObserver observer = nullptr;
void* observerContext = nullptr;

void NotifyObserver(const char* message) {
  observerLock.lock();
  const GMessageObserver current = observer;
  void* const context = observerContext;
  observerLock.unlock();
  if (current != nullptr) current(message, context);
}

constexpr const char* kLevelName = "ValidateReleaseMath";

int ReadReleaseLevel(int defaultValue) {
  char name[] = "ValidateReleaseMath";
  return CheckDebugRegEntryCoreMath(name, defaultValue);
}

// The level of the last message with the stamp its value had just before
// it was read, so that a message whose level is unchanged costs a stamp,
// not a registry read. A stamp taken before the read can only be older than
// the value read: a change in between makes the next message read again.
// Only a settled stamp is kept, so an equal stamp means an unchanged value.
std::mutex levelLock;
gmath::detail::ValueStamp levelStamp{};
int cachedLevel = 0;
bool levelCached = false;

int MessageLevel() {
  gmath::detail::ValueStamp stamp{};
  if (gmath::detail::StampDebugValue(kLevelName, stamp)) {
    std::lock_guard<std::mutex> guard(levelLock);
    if (levelCached && stamp == levelStamp) return cachedLevel;
  }
  const bool settled = gmath::detail::StampSettledDebugValue(kLevelName, stamp);
  const int level = ReadReleaseLevel(2);
  std::lock_guard<std::mutex> guard(levelLock);
  levelCached = settled;
  levelStamp = stamp;
  cachedLevel = level;
  return level;
}

// The value is created with 0 the first time, so that a missing value does
// not spring into existence holding the level of a later read.
void PrimeReleaseLevel(std::atomic<int>& primed) {
  if (primed.load(std::memory_order_relaxed) == 0 &&
      primed.exchange(1, std::memory_order_relaxed) == 0) {
    ReadReleaseLevel(0);
  }
}

}  // namespace

void invld(FILE* stream, char* message, int) {
  const char* text = message != nullptr ? message : "";
  if (stream != nullptr) {
    std::fprintf(stream, kLineFormat, text);
    return;
  }
  NotifyObserver(text);
  PrimeReleaseLevel(invldPrimed);
  if (MessageLevel() < 2) return;
  gmath::detail::AppendLogLine(text);
}

int MathDebugOutputFilePtr(FILE** file, int level) {
  PrimeReleaseLevel(outputFilePrimed);
  const int registryLevel = ReadReleaseLevel(3);
  if (registryLevel < level) return registryLevel;
  FILE* log = gmath::detail::OpenLogStream();
  if (log == nullptr) return registryLevel;
  if (file != nullptr && *file == nullptr) {
    *file = log;
  } else {
    std::fclose(log);
  }
  return registryLevel;
}

void Gassert_debug(const char* const message) {
  const char* text = message != nullptr ? message : "";
  std::printf("Gassert - %s\n", text);
  std::fflush(stdout);
  gmath::detail::WriteDebuggerOutput(text);
  gmath::detail::WriteDebuggerOutput("\n");
  if (ReadReleaseLevel(0) != 0) return;
  const GAssertPrompt prompt = assertPrompt.load(std::memory_order_relaxed);
  const int answer = prompt != nullptr ? prompt(text) : gmath::detail::ShowAssertBox(text);
  if (answer == GASSERT_IGNORE) return;
  if (answer == GASSERT_RETRY) {
    gmath::detail::RaiseBreakpoint();
    return;
  }
  std::abort();
}

GMessageObserver SetMessageObserver(GMessageObserver newObserver, void* context) {
  observerLock.lock();
  const GMessageObserver previous = observer;
  observer = newObserver;
  observerContext = newObserver != nullptr ? context : nullptr;
  observerLock.unlock();
  return previous;
}

GAssertPrompt SetAssertPrompt(GAssertPrompt prompt) {
  return assertPrompt.exchange(prompt, std::memory_order_relaxed);
}

int SetRegistryRoot(const char* directory) {
  return gmath::detail::SetPlatformRegistryRoot(directory);
}
