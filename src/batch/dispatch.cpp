#include <cstdlib>
#include <cstring>

#include "gmath/batch.h"
#include "batch/prepared.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace {

using gmath::detail::Kernels;

const Kernels kScalarKernels = {"scalar", nullptr, nullptr, nullptr, nullptr};

// The paths from the narrowest; a cap names one of them.
#if defined(__x86_64__) || defined(__i386__)
const Kernels* const kPaths[] = {&kScalarKernels, &gmath::detail::kSse2Kernels,
                                 &gmath::detail::kAvx2Kernels, &gmath::detail::kAvx512Kernels};

// XCR0: the register states the operating system saves on a switch. A
// processor's AVX is usable only when the system saves its registers.
unsigned long long EnabledStates() {
  unsigned low = 0;
  unsigned high = 0;
  __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
  return (static_cast<unsigned long long>(high) << 32) | low;
}

constexpr unsigned long long kSseAvxStates = 0x6;          // XMM, YMM
constexpr unsigned long long kAvx512States = 0xe6;         // and opmask, ZMM
constexpr unsigned kOsXsave = 1u << 27;                    // CPUID 1, ECX
constexpr unsigned kAvx = 1u << 28;                        // CPUID 1, ECX
constexpr unsigned kAvx2 = 1u << 5;                        // CPUID 7, EBX
constexpr unsigned kAvx512F = 1u << 16;                    // CPUID 7, EBX

// Every build for x86 has SSE2 (the 32-bit one is compiled for it).
std::size_t WidestPath() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (__get_cpuid(1, &a, &b, &c, &d) == 0) return 1;
  if ((c & kOsXsave) == 0 || (c & kAvx) == 0) return 1;
  const unsigned long long states = EnabledStates();
  if ((states & kSseAvxStates) != kSseAvxStates || __get_cpuid_max(0, nullptr) < 7) return 1;
  __cpuid_count(7, 0, a, b, c, d);
  if ((b & kAvx512F) != 0 && (states & kAvx512States) == kAvx512States) return 3;
  return (b & kAvx2) != 0 ? 2 : 1;
}
#else
const Kernels* const kPaths[] = {&kScalarKernels};

std::size_t WidestPath() { return 0; }
#endif

constexpr std::size_t kPathCount = sizeof kPaths / sizeof kPaths[0];

// GMATH_SIMD lowers the path to the one it names; an unknown name or a wider
// path than the machine has changes nothing.
std::size_t Capped(std::size_t widest) {
  const char* cap = std::getenv("GMATH_SIMD");
  if (cap == nullptr) return widest;
  for (std::size_t i = 0; i < kPathCount && i < widest; ++i) {
    if (std::strcmp(cap, kPaths[i]->name) == 0) return i;
  }
  return widest;
}

}  // namespace

const Kernels& gmath::detail::ActiveKernels() {
  static const Kernels& active = *kPaths[Capped(WidestPath())];
  return active;
}

const char* GBatchSimdPath() { return gmath::detail::ActiveKernels().name; }
