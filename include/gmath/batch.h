#ifndef GMATH_BATCH_H
#define GMATH_BATCH_H

/// \file
/// Batch calls: one call tests or moves a whole array of boxes, points or transforms, each element
/// equal to the single call bit for bit.

#include <cstddef>
#include <cstdint>

#include "gmath/core3d/box.h"
#include "gmath/core3d/matrix.h"
#include "gmath/core3d/transf.h"
#include "gmath/core3d/vector.h"
#include "gmath/export.h"
#include "gmath/homogeneous/g4x4.h"
#include "gmath/volumes/bore_cone.h"
#include "gmath/volumes/bore_line.h"
#include "gmath/volumes/clip_volume.h"
#include "gmath/volumes/pt_fence.h"
#include "gmath/volumes/pt_frustum.h"
#include "gmath/volumes/rt_prism.h"

// ---------------------------------------------------------------------------
// Batch calls: one call for a whole array
//
// Each batch call names the single call it repeats, and its results are that
// call's results for every element, bit for bit. The common elements take a
// vector path; any element the single call treats specially (a non-finite
// coordinate, a null or inverted box, a bore line nearly parallel to a box
// face, ...) is answered by the single call itself, so the two cannot drift
// apart.
//
// Messages. A message that depends only on the volume or the transform (a
// fence of fewer than 3 points, a transform that cannot be inverted) is
// reported once per batch call, before any element. A message that depends
// on an element (a G4x4 weight near 0) is reported for that element with
// the single call's text, in index order. The distance tolerance is read
// once per batch call.
//
// Arrays. Elements are read and written through a stride in bytes, so that
// they may sit inside a caller's own structures; the stride must be at
// least the element's size (smaller: "GBatch: stride below the element
// size"), and the elements need no alignment. The result arrays (flags,
// hits, inside) are packed. A count of 0 is valid and touches nothing; a
// null array with a count above 0 reports "GBatch: NULL array". Either
// argument message leaves every output untouched (a hit count of 0; a fold
// gives its answer for no boxes). The batch calls allocate nothing; a fence
// of more than 63 points is answered by its single call for every box, which
// takes its planes from the heap. Outputs may not overlap inputs, except
// that a transform may write over its input in place: the same pointer and
// the same stride.
//
// Threads. Batch calls keep no state: any number of threads may run them
// at once on disjoint outputs. The vector path is chosen once, at the first
// batch call, from the processor and the registers the operating system
// saves; GMATH_SIMD=scalar|sse2|avx2|avx512 caps it.
// ---------------------------------------------------------------------------

/// The vector path in use: "scalar", "sse2", "avx2" or "avx512".
GMATH_API const char* GBatchSimdPath();

///@{
/// flags[i] = volume && boxes[i] (0 or 1), for i < count.
GMATH_API void GBatchOverlap(const GClipVolume& volume, const GBox* boxes, std::size_t count,
                             std::size_t stride, std::uint8_t* flags);
GMATH_API void GBatchOverlap(const GPtFence& fence, const GBox* boxes, std::size_t count,
                             std::size_t stride, std::uint8_t* flags);
GMATH_API void GBatchOverlap(const GBoreLine& bore, const GBox* boxes, std::size_t count,
                             std::size_t stride, std::uint8_t* flags);
///@}
/// flags[i] = volume >> boxes[i].
GMATH_API void GBatchContains(const GClipVolume& volume, const GBox* boxes, std::size_t count,
                              std::size_t stride, std::uint8_t* flags);
///@{
/// flags[i] = !(box & boxes[i]).IsNull(), box >> boxes[i], box << boxes[i].
GMATH_API void GBatchIntersects(const GBox& box, const GBox* boxes, std::size_t count,
                                std::size_t stride, std::uint8_t* flags);
GMATH_API void GBatchContains(const GBox& box, const GBox* boxes, std::size_t count,
                              std::size_t stride, std::uint8_t* flags);
GMATH_API void GBatchInside(const GBox& box, const GBox* boxes, std::size_t count,
                            std::size_t stride, std::uint8_t* flags);
///@}

///@{
/// The same tests in compacting form: the indices of the boxes answering 1,
/// ascending, into hits (room for count), and their number.
GMATH_API std::size_t GBatchOverlapHits(const GClipVolume& volume, const GBox* boxes,
                                        std::size_t count, std::size_t stride, std::size_t* hits);
GMATH_API std::size_t GBatchOverlapHits(const GPtFence& fence, const GBox* boxes,
                                        std::size_t count, std::size_t stride, std::size_t* hits);
GMATH_API std::size_t GBatchOverlapHits(const GBoreLine& bore, const GBox* boxes,
                                        std::size_t count, std::size_t stride, std::size_t* hits);
GMATH_API std::size_t GBatchContainsHits(const GClipVolume& volume, const GBox* boxes,
                                         std::size_t count, std::size_t stride, std::size_t* hits);
GMATH_API std::size_t GBatchIntersectsHits(const GBox& box, const GBox* boxes, std::size_t count,
                                           std::size_t stride, std::size_t* hits);
GMATH_API std::size_t GBatchContainsHits(const GBox& box, const GBox* boxes, std::size_t count,
                                         std::size_t stride, std::size_t* hits);
GMATH_API std::size_t GBatchInsideHits(const GBox& box, const GBox* boxes, std::size_t count,
                                       std::size_t stride, std::size_t* hits);
///@}

///@{
/// ranges[i] = BoreConeRange(volumes[i]), and so on for each volume type.
GMATH_API void GBatchRange(const GBoreCone* volumes, std::size_t count, std::size_t stride,
                           GBox* ranges, std::size_t rangeStride);
GMATH_API void GBatchRange(const GPtFrustum* volumes, std::size_t count, std::size_t stride,
                           GBox* ranges, std::size_t rangeStride);
GMATH_API void GBatchRange(const GRtPrism* volumes, std::size_t count, std::size_t stride,
                           GBox* ranges, std::size_t rangeStride);
GMATH_API void GBatchRange(const GBoreLine* volumes, std::size_t count, std::size_t stride,
                           GBox* ranges, std::size_t rangeStride);
GMATH_API void GBatchRange(const GClipVolume* volumes, std::size_t count, std::size_t stride,
                           GBox* ranges, std::size_t rangeStride);
GMATH_API void GBatchRange(const GPtFence* volumes, std::size_t count, std::size_t stride,
                           GBox* ranges, std::size_t rangeStride);
///@}

/// IsPtInClipVolume(volume, points[i], &inside[i], err): *err as the single
/// call sets it (2 when inside is null, which writes nothing else; a null err
/// is not written).
GMATH_API void GBatchIsPtInClipVolume(const GClipVolume& volume, const GPosition* points,
                                      std::size_t count, std::size_t stride, int* inside,
                                      long* err);
/// IsPtInPtFence(fence, planePoints, planeNormals, points[i], &inside[i],
/// err): null plane arrays report "GPtFence: NULL plane array" once, every
/// inside 0 and *err 2. A null inside or err is a null array.
GMATH_API void GBatchIsPtInPtFence(const GPtFence& fence, GPosition* planePoints,
                                   GUnitVector* planeNormals, const GPosition* points,
                                   std::size_t count, std::size_t stride, int* inside, long* err);

///@{
/// out[i] = the product named, in[i] the element. The transform comes first
/// or last as in the single call; out may be in (with the same stride).
/// Positions: p *= m (p·m), p *= t, p ^ t, g * p, p * g.
GMATH_API void GBatchMultiply(const GPosition* in, std::size_t count, std::size_t inStride,
                              const GMatrix& m, GPosition* out, std::size_t outStride);
GMATH_API void GBatchMultiply(const GPosition* in, std::size_t count, std::size_t inStride,
                              const GTransf& t, GPosition* out, std::size_t outStride);
GMATH_API void GBatchInverseMultiply(const GPosition* in, std::size_t count, std::size_t inStride,
                                     const GTransf& t, GPosition* out, std::size_t outStride);
GMATH_API void GBatchMultiply(const G4x4& g, const GPosition* in, std::size_t count,
                              std::size_t inStride, GPosition* out, std::size_t outStride);
GMATH_API void GBatchMultiply(const GPosition* in, std::size_t count, std::size_t inStride,
                              const G4x4& g, GPosition* out, std::size_t outStride);
///@}
///@{
/// Vectors: v *= m (v·m), v * t, v ^ t, g * v, v * g.
GMATH_API void GBatchMultiply(const GVector* in, std::size_t count, std::size_t inStride,
                              const GMatrix& m, GVector* out, std::size_t outStride);
GMATH_API void GBatchMultiply(const GVector* in, std::size_t count, std::size_t inStride,
                              const GTransf& t, GVector* out, std::size_t outStride);
GMATH_API void GBatchInverseMultiply(const GVector* in, std::size_t count, std::size_t inStride,
                                     const GTransf& t, GVector* out, std::size_t outStride);
GMATH_API void GBatchMultiply(const G4x4& g, const GVector* in, std::size_t count,
                              std::size_t inStride, GVector* out, std::size_t outStride);
GMATH_API void GBatchMultiply(const GVector* in, std::size_t count, std::size_t inStride,
                              const G4x4& g, GVector* out, std::size_t outStride);
///@}
///@{
/// Boxes: box * m, m * box, box * t, t * box, g * box, box * g.
GMATH_API void GBatchMultiply(const GBox* in, std::size_t count, std::size_t inStride,
                              const GMatrix& m, GBox* out, std::size_t outStride);
GMATH_API void GBatchMultiply(const GMatrix& m, const GBox* in, std::size_t count,
                              std::size_t inStride, GBox* out, std::size_t outStride);
GMATH_API void GBatchMultiply(const GBox* in, std::size_t count, std::size_t inStride,
                              const GTransf& t, GBox* out, std::size_t outStride);
GMATH_API void GBatchMultiply(const GTransf& t, const GBox* in, std::size_t count,
                              std::size_t inStride, GBox* out, std::size_t outStride);
GMATH_API void GBatchMultiply(const G4x4& g, const GBox* in, std::size_t count,
                              std::size_t inStride, GBox* out, std::size_t outStride);
GMATH_API void GBatchMultiply(const GBox* in, std::size_t count, std::size_t inStride,
                              const G4x4& g, GBox* out, std::size_t outStride);
///@}

///@{
/// ((boxes[0] | boxes[1]) | boxes[2]) ... and the same with &; no boxes give
/// the canonical null box for the union and the infinite box for the
/// intersection, without a message.
GMATH_API GBox GBatchUnion(const GBox* boxes, std::size_t count, std::size_t stride);
GMATH_API GBox GBatchIntersection(const GBox* boxes, std::size_t count, std::size_t stride);
///@}

#endif
