// Printing a transform and reading one back from its numbers.
#include <cstdio>
#include <string>

#include "floor.h"
#include "inputs.h"

namespace bench {
namespace {

// The printed text of a transform, through a memory stream.
template <class PrintFn>
std::string Printed(const GTransf& t, PrintFn print) {
  char buffer[1024] = {};
  FILE* stream = fmemopen(buffer, sizeof buffer, "w");
  print(stream, t);
  std::fclose(stream);
  return buffer;
}

void PrintTo(FILE* stream, const GTransf& t) {
  long err = 0;
  GPrint_to_File(stream, t, &err);
}

void ReadFrom(FILE* stream, GTransf& t) {
  long err = 0;
  GRead_from_File(stream, t, &err);
}

// Every print goes to the null device: the formatting is the cost.
template <class PrintFn>
void Print(benchmark::State& state, PrintFn print) {
  const Inputs& in = TheInputs();
  for (std::size_t i = 0; i < kCount; ++i) {
    if (Printed(in.transforms[i], print) != Printed(in.transforms[i], PrintTo)) {
      state.SkipWithError("the baseline prints other text");
      return;
    }
  }
  FILE* sink = std::fopen("/dev/null", "w");
  std::size_t i = 0;
  for (auto _ : state) {
    print(sink, in.transforms[i]);
    i = (i + 1) % kCount;
  }
  std::fclose(sink);
}

// The bare numbers of one transform, read again from the start each time.
template <class ReadFn>
void Read(benchmark::State& state, ReadFn read) {
  char text[] =
      "0.8775825618903728 0.479425538604203 0 -0.479425538604203 0.8775825618903728 0\n"
      "0 0 1\n1.5 -2.25 3e-07\n0.75\n1 0 0\n";
  FILE* stream = fmemopen(text, sizeof text - 1, "r");
  GTransf ours{}, theirs{};
  ReadFrom(stream, ours);
  std::rewind(stream);
  read(stream, theirs);
  if (!SameBits(ours, theirs)) state.SkipWithError("the baseline reads other numbers");
  for (auto _ : state) {
    std::rewind(stream);
    GTransf t;
    read(stream, t);
    benchmark::DoNotOptimize(t);
  }
  std::fclose(stream);
}

}  // namespace

void RegisterText() {
  benchmark::RegisterBenchmark("GPrint_to_File(GTransf)/gmath",
                               Print<void (*)(FILE*, const GTransf&)>, PrintTo);
  benchmark::RegisterBenchmark("GPrint_to_File(GTransf)/floor",
                               Print<void (*)(FILE*, const GTransf&)>, floor::Print);
  benchmark::RegisterBenchmark("GRead_from_File(GTransf)/gmath", Read<void (*)(FILE*, GTransf&)>,
                               ReadFrom);
  benchmark::RegisterBenchmark("GRead_from_File(GTransf)/floor", Read<void (*)(FILE*, GTransf&)>,
                               floor::Read);
}

}  // namespace bench
