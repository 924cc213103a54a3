#include <cmath>

#include "gmath/batch.h"
#include "gmath/core3d/products.h"
#include "batch/prepared.h"
#include "batch/strided.h"

using gmath::detail::AreUsable;
using gmath::detail::MapEach;

namespace {

bool IsFinite(const GTransf& t) {
  const double* m = &t.m_matrix.m_matrix[0][0];
  for (int i = 0; i < 9; ++i) {
    if (!std::isfinite(m[i])) return false;
  }
  return std::isfinite(t.m_translation.m_x) && std::isfinite(t.m_translation.m_y) &&
         std::isfinite(t.m_translation.m_z) && std::isfinite(t.m_scaling);
}

// p *= t for every position: the vector kernel when the transform is
// finite, else the single call.
void MovePositions(const GPosition* in, std::size_t count, std::size_t inStride,
                   const GTransf& t, GPosition* out, std::size_t outStride) {
  const gmath::detail::MoveKernel kernel = gmath::detail::ActiveKernels().movePositions;
  if (kernel != nullptr && IsFinite(t)) {
    kernel(t, reinterpret_cast<const unsigned char*>(in), count, inStride,
           reinterpret_cast<unsigned char*>(out), outStride);
    return;
  }
  MapEach(in, count, inStride, out, outStride, [&t](GPosition p) { return p *= t; });
}

// Each element through one single call, after the arrays are checked.
template <class In, class Out, class F>
void Each(const In* in, std::size_t count, std::size_t inStride, Out* out, std::size_t outStride,
          F f) {
  if (AreUsable(in, count, inStride, out, outStride)) MapEach(in, count, inStride, out, outStride, f);
}

}  // namespace

void GBatchMultiply(const GPosition* in, std::size_t count, std::size_t inStride,
                    const GMatrix& m, GPosition* out, std::size_t outStride) {
  Each(in, count, inStride, out, outStride, [&m](GPosition p) { return p *= m; });
}

void GBatchMultiply(const GPosition* in, std::size_t count, std::size_t inStride,
                    const GTransf& t, GPosition* out, std::size_t outStride) {
  if (AreUsable(in, count, inStride, out, outStride)) MovePositions(in, count, inStride, t, out, outStride);
}

// p ^ t is p *= t.Inverse(): the inverse, with its messages, once.
void GBatchInverseMultiply(const GPosition* in, std::size_t count, std::size_t inStride,
                           const GTransf& t, GPosition* out, std::size_t outStride) {
  if (!AreUsable(in, count, inStride, out, outStride) || count == 0) return;
  MovePositions(in, count, inStride, t.Inverse(), out, outStride);
}

void GBatchMultiply(const G4x4& g, const GPosition* in, std::size_t count, std::size_t inStride,
                    GPosition* out, std::size_t outStride) {
  Each(in, count, inStride, out, outStride, [&g](const GPosition& p) { return g * p; });
}

void GBatchMultiply(const GPosition* in, std::size_t count, std::size_t inStride, const G4x4& g,
                    GPosition* out, std::size_t outStride) {
  Each(in, count, inStride, out, outStride, [&g](const GPosition& p) { return p * g; });
}

void GBatchMultiply(const GVector* in, std::size_t count, std::size_t inStride, const GMatrix& m,
                    GVector* out, std::size_t outStride) {
  Each(in, count, inStride, out, outStride, [&m](GVector v) { return v *= m; });
}

void GBatchMultiply(const GVector* in, std::size_t count, std::size_t inStride, const GTransf& t,
                    GVector* out, std::size_t outStride) {
  Each(in, count, inStride, out, outStride, [&t](const GVector& v) { return v * t; });
}

// v ^ t is v * t.Inverse(): the inverse, with its messages, once.
void GBatchInverseMultiply(const GVector* in, std::size_t count, std::size_t inStride,
                           const GTransf& t, GVector* out, std::size_t outStride) {
  if (!AreUsable(in, count, inStride, out, outStride) || count == 0) return;
  const GTransf inverse = t.Inverse();
  MapEach(in, count, inStride, out, outStride, [&inverse](const GVector& v) { return v * inverse; });
}

void GBatchMultiply(const G4x4& g, const GVector* in, std::size_t count, std::size_t inStride,
                    GVector* out, std::size_t outStride) {
  Each(in, count, inStride, out, outStride, [&g](const GVector& v) { return g * v; });
}

void GBatchMultiply(const GVector* in, std::size_t count, std::size_t inStride, const G4x4& g,
                    GVector* out, std::size_t outStride) {
  Each(in, count, inStride, out, outStride, [&g](const GVector& v) { return v * g; });
}

void GBatchMultiply(const GBox* in, std::size_t count, std::size_t inStride, const GMatrix& m,
                    GBox* out, std::size_t outStride) {
  Each(in, count, inStride, out, outStride, [&m](const GBox& b) { return b * m; });
}

void GBatchMultiply(const GMatrix& m, const GBox* in, std::size_t count, std::size_t inStride,
                    GBox* out, std::size_t outStride) {
  Each(in, count, inStride, out, outStride, [&m](const GBox& b) { return m * b; });
}

void GBatchMultiply(const GBox* in, std::size_t count, std::size_t inStride, const GTransf& t,
                    GBox* out, std::size_t outStride) {
  Each(in, count, inStride, out, outStride, [&t](const GBox& b) { return b * t; });
}

void GBatchMultiply(const GTransf& t, const GBox* in, std::size_t count, std::size_t inStride,
                    GBox* out, std::size_t outStride) {
  Each(in, count, inStride, out, outStride, [&t](const GBox& b) { return t * b; });
}

void GBatchMultiply(const G4x4& g, const GBox* in, std::size_t count, std::size_t inStride,
                    GBox* out, std::size_t outStride) {
  Each(in, count, inStride, out, outStride, [&g](const GBox& b) { return g * b; });
}

void GBatchMultiply(const GBox* in, std::size_t count, std::size_t inStride, const G4x4& g,
                    GBox* out, std::size_t outStride) {
  Each(in, count, inStride, out, outStride, [&g](const GBox& b) { return b * g; });
}
