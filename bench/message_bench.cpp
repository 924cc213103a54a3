// A message the level drops, against the registry stand-in in a private
// root: the level is 1, written long enough before that its stamp is
// trusted. The floor is one stat of the value file, the least a message
// must do to notice a change of the level.
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "floor.h"
#include "inputs.h"

namespace bench {
namespace {

class PrivateRegistry {
 public:
  PrivateRegistry()
      : root_(std::filesystem::temp_directory_path() /
              ("gmath-bench-" + std::to_string(getpid()))) {
    const std::filesystem::path key =
        root_ / "HKEY_LOCAL_MACHINE/SOFTWARE/Varnsholte/Kolm/Core/Debug";
    std::filesystem::create_directories(key);
    value_ = (key / "ValidateReleaseMath").string();
    std::ofstream(value_) << "1\n";
    SetRegistryRoot(root_.string().c_str());
    std::this_thread::sleep_for(std::chrono::milliseconds(3100));  // until the stamp settles
  }
  ~PrivateRegistry() {
    SetRegistryRoot(nullptr);
    std::filesystem::remove_all(root_);
  }
  const char* ValueFile() const { return value_.c_str(); }

 private:
  std::filesystem::path root_;
  std::string value_;
};

const PrivateRegistry& Registry() {
  static const PrivateRegistry registry;
  return registry;
}

void DroppedMessage(benchmark::State& state) {
  Registry();
  char message[] = "GVector: trying to divide by 0.0";
  for (auto _ : state) invld(nullptr, message, 1);
}

void StatValue(benchmark::State& state) {
  const char* path = Registry().ValueFile();
  for (auto _ : state) benchmark::DoNotOptimize(floor::Stat(path));
}

}  // namespace

void RegisterMessage() {
  benchmark::RegisterBenchmark("invld, dropped message/gmath", DroppedMessage);
  benchmark::RegisterBenchmark("invld, dropped message/floor", StatValue);
}

}  // namespace bench
