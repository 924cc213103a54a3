// Nothing on a hot path allocates: every allocation through operator new
// is counted, and each hot operation runs once between two readings.
#include <atomic>
#include <cstdlib>
#include <new>

#include "support/gmath_test.h"
#include "volumes/point_volume_test.h"

namespace {

std::atomic<long> allocations{0};

void* Allocate(std::size_t size) noexcept {
  allocations.fetch_add(1, std::memory_order_relaxed);
  return std::malloc(size != 0 ? size : 1);
}

void* AllocateOrThrow(std::size_t size) {
  if (void* block = Allocate(size)) return block;
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

namespace {

using gmath::test::Polygon;
using AllocationTest = gmath::test::GmathTest;

const GUnitVector kAxis = BuildUnitVector(1, 2, 2);
const GTransf kMove = RotateTransf(0.3, kAxis, {1, -2, 0.5}) * ScaleTransf(1.5);
const GBox kBox = BuildBox(-1, -2, -0.5, 2, 1, 1.5);
const GPosition kPoint = {0.5, 0.25, -0.125};
const GBoreLine kBore = BuildBoreLine(kPoint, kAxis, 4, -1, 0.25);

G4x4 Matrix() {
  G4x4 g = G4x4{};
  g = kMove;
  return g;
}

GClipVolume Volume() {
  GBox box = kBox;
  GClipVolume volume;
  ConvertGBoxToGClipVolume(&box, &volume);
  return volume * kMove;
}

std::vector<GPosition> fivePoints = Polygon(5);
std::vector<GPosition> hundredPoints = Polygon(100);
const GPtFence kFence = {5, fivePoints.data(), {0, 0, 1}, 1, -1};
const GPtFence kRangeFence = {100, hundredPoints.data(), {0, 0, 1}, 1, -1};

struct HotOperation {
  const char* name;
  void (*run)();
};

// Hands a result to code the compiler cannot see, so no call is dropped.
template <class T>
void Keep(const T& value) {
  asm volatile("" : : "r"(&value) : "memory");
}

const HotOperation kHotOperations[] = {
    {"BuildUnitVector", [] { Keep(BuildUnitVector(3, 4, 12)); }},
    {"GPosition *= GTransf",
     [] {
       GPosition p = kPoint;
       Keep(p *= kMove);
     }},
    {"GTransf * GTransf", [] { Keep(kMove * kMove); }},
    {"GTransf::Inverse", [] { Keep(kMove.Inverse()); }},
    {"GBox * GTransf", [] { Keep(kBox * kMove); }},
    {"G4x4::Inverse", [] { Keep(Matrix().Inverse()); }},
    {"CheckOrthoScale",
     [] {
       GMatrix m = kMove.m_matrix;
       int isOrthoScale = 0;
       double scale = 0;
       long err = 0;
       CheckOrthoScale(&m.m_matrix[0][0], 3, &isOrthoScale, &scale, &err);
       Keep(scale);
     }},
    {"ConvertG4x4ToGTransf",
     [] {
       GTransf t;
       Keep(ConvertG4x4ToGTransf(Matrix(), t));
     }},
    {"GBoreLine && GBox", [] { Keep(kBore && kBox); }},
    {"GClipVolume && GBox", [] { Keep(Volume() && kBox); }},
    {"GPtFence && GBox", [] { Keep(kFence && kBox); }},
    {"IsPtInClipVolume",
     [] {
       int inside = 0;
       long err = 0;
       IsPtInClipVolume(Volume(), kPoint, &inside, &err);
       Keep(inside);
     }},
    {"BoreLineRange", [] { Keep(BoreLineRange(kBore)); }},
    {"PtFenceRange", [] { Keep(PtFenceRange(kRangeFence)); }},
};

TEST_F(AllocationTest, HotOperationsTakeNoHeapMemory) {
  for (const HotOperation& operation : kHotOperations) {
    const long before = allocations.load();
    operation.run();
    EXPECT_EQ(allocations.load() - before, 0) << operation.name;
  }
}

// The count sees what the library allocates: a range above 100 points
// takes its scratch from the heap. Not on Windows, where the library binds
// its own operator new and the count sees only the test's allocations.
#ifndef _WIN32
TEST_F(AllocationTest, CountSeesTheLibrarysScratch) {
  std::vector<GPosition> points = Polygon(101);
  const GPtFence fence = {101, points.data(), {0, 0, 1}, 1, -1};
  const long before = allocations.load();
  Keep(PtFenceRange(fence));
  EXPECT_EQ(allocations.load() - before, 1);
}
#endif

}  // namespace
