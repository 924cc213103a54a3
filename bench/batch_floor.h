// The floors of the batch benchmarks: hand-written AVX2 loops over the same
// GBox and GPosition arrays, doing the comparisons and products of the
// single calls in the same order, for regular input only (no unusual box,
// nothing to report). A struct-of-arrays variant shows what the caller's
// array-of-structs layout costs.
#ifndef GMATH_BENCH_BATCH_FLOOR_H
#define GMATH_BENCH_BATCH_FLOOR_H

#include <cstddef>
#include <cstdint>

#include "gmath/gmath.h"

namespace bench::floor {

// The six coordinate arrays of boxes: low x, y, z, high x, y, z.
struct BoxColumns {
  const double* c[6];
};

void ClipFlags(const GClipVolume& volume, const GBox* boxes, std::size_t count,
               std::uint8_t* flags);
void ClipFlags(const GClipVolume& volume, const BoxColumns& boxes, std::size_t count,
               std::uint8_t* flags);
void FenceFlags(const GPtFence& fence, const GBox* boxes, std::size_t count, std::uint8_t* flags);
void FenceFlags(const GPtFence& fence, const BoxColumns& boxes, std::size_t count,
                std::uint8_t* flags);
void BoreFlags(const GBoreLine& bore, const GBox* boxes, std::size_t count, std::uint8_t* flags);
void MovePositions(const GTransf& t, const GPosition* in, std::size_t count, GPosition* out);
// The sum of every double of the boxes: the memory traffic of one pass.
double Sum(const GBox* boxes, std::size_t count);

}  // namespace bench::floor

#endif
