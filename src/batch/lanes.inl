// The vector kernels, written once over kLanes doubles. Each vector path's
// file defines kLanes and GMATH_LANE_TARGET (its target attribute) and then
// includes this file: everything here has internal linkage and carries the
// attribute, so no code built for a wider instruction set can be shared
// with, or chosen by the linker for, the baseline path.
//
// Each lane repeats the single call's operations in the single call's
// order, without contraction. A lane whose input the single call treats
// specially is marked kDefer (or moved by the single call) instead.
//
// No include guard: included once per vector path.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

#include "frame/constants.h"
#include "gmath/core3d/vector.h"
#include "batch/prepared.h"

namespace {

using Doubles = double __attribute__((vector_size(8 * kLanes)));
using Mask = long long __attribute__((vector_size(8 * kLanes)));
using Bytes = unsigned char __attribute__((vector_size(kLanes)));

#define GMATH_LANE GMATH_LANE_TARGET inline __attribute__((always_inline))

GMATH_LANE Doubles Splat(double x) { return Doubles{} + x; }

// Finite: x - x is 0 exactly then, NaN for an infinity or a NaN.
GMATH_LANE Mask IsFinite(Doubles x) { return x - x == Splat(0.0); }

GMATH_LANE double LoadDouble(const unsigned char* at) {
  double value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

// Lane i of the result is lane m[i] of a, or of b from kLanes on. Clang
// lacks GCC's shuffle with a mask known only at run time; picking lane by
// lane moves the same bits.
GMATH_LANE Doubles Shuffle(Doubles a, Doubles b, Mask m) {
#if defined(__clang__)
  Doubles r = a;
  for (int i = 0; i < kLanes; ++i) r[i] = m[i] < kLanes ? a[m[i]] : b[m[i] - kLanes];
  return r;
#else
  return __builtin_shuffle(a, b, m);
#endif
}

// One double of each of kLanes elements, stride bytes apart.
template <std::size_t... k>
GMATH_LANE Doubles Gather(const unsigned char* first, std::size_t stride,
                          std::index_sequence<k...>) {
  return Doubles{LoadDouble(first + k * stride)...};
}

GMATH_LANE Doubles Gather(const unsigned char* first, std::size_t stride) {
  return Gather(first, stride, std::make_index_sequence<kLanes>{});
}

// Coordinate j of kLanes packed boxes: lane k's is double 6k + j of the six
// vectors v. Each pair of vectors gives its lanes in place, then two blends
// join the pairs.
template <std::size_t... k>
GMATH_LANE Doubles Column(const Doubles v[6], std::size_t j, std::index_sequence<k...>) {
  constexpr long long n = kLanes;
  const long long g[] = {static_cast<long long>(6 * k + j)...};
  const Mask first = {(g[k] < 2 * n ? g[k] : 0)...};
  const Mask second = {(g[k] >= 2 * n && g[k] < 4 * n ? g[k] - 2 * n : 0)...};
  const Mask third = {(g[k] >= 4 * n ? g[k] - 4 * n : 0)...};
  const Mask firstOrSecond = {(g[k] < 2 * n ? static_cast<long long>(k) : n + static_cast<long long>(k))...};
  const Mask orThird = {(g[k] < 4 * n ? static_cast<long long>(k) : n + static_cast<long long>(k))...};
  const Doubles a = Shuffle(v[0], v[1], first);
  const Doubles b = Shuffle(v[2], v[3], second);
  const Doubles c = Shuffle(v[4], v[5], third);
  return Shuffle(Shuffle(a, b, firstOrSecond), c, orThird);
}

// The six coordinates of kLanes boxes, low x y z then high x y z: whole
// vectors regrouped when the boxes are packed, one double at a time
// otherwise.
GMATH_LANE void LoadBoxes(const unsigned char* first, std::size_t stride, Doubles c[6]) {
  if (stride == 6 * sizeof(double)) {
    Doubles v[6];
    std::memcpy(v, first, sizeof v);
    for (std::size_t j = 0; j < 6; ++j) c[j] = Column(v, j, std::make_index_sequence<kLanes>{});
    return;
  }
  for (std::size_t j = 0; j < 6; ++j) c[j] = Gather(first + j * sizeof(double), stride);
}

// Finite and ordered boxes; every other box goes to the single call.
GMATH_LANE Mask IsOrdinaryBox(const Doubles c[6]) {
  Mask ordinary = IsFinite(c[0]);
  for (int j = 1; j < 6; ++j) ordinary &= IsFinite(c[j]);
  for (int j = 0; j < 3; ++j) ordinary &= c[j] <= c[j + 3];
  return ordinary;
}

// 1 or 0 as the lane is rejected, kDefer where it is not ordinary, narrowed
// to bytes in one conversion; whether any lane is deferred.
GMATH_LANE bool WriteFlags(Mask ordinary, Mask rejected, std::uint8_t* flags) {
  const Mask value = (ordinary & (rejected + 1)) | (~ordinary & gmath::detail::kDefer);
  const Bytes bytes = __builtin_convertvector(value, Bytes);
  std::memcpy(flags, &bytes, sizeof bytes);
  const Bytes kept = __builtin_convertvector(ordinary, Bytes);
  std::uint64_t every = 0;
  std::memcpy(&every, &kept, sizeof kept);
  return every != ~std::uint64_t{0} >> (64 - 8 * kLanes);
}

GMATH_LANE bool DeferTail(std::size_t from, std::size_t n, std::uint8_t* flags) {
  for (std::size_t i = from; i < n; ++i) flags[i] = gmath::detail::kDefer;
  return from < n;
}

// GClipVolume && and >>: (c - q)·n against -tol, per plane.
GMATH_LANE_TARGET bool ClipBoxes(const gmath::detail::LanePlanes& planes,
                                 const unsigned char* boxes, std::size_t n, std::size_t stride,
                                 std::uint8_t* flags) {
  const Doubles limit = Splat(-planes.tol);
  bool deferred = false;
  std::size_t i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    Doubles c[6];
    LoadBoxes(boxes + i * stride, stride, c);
    Mask rejected = Mask{};
    for (unsigned p = 0; p < planes.count; ++p) {
      const Doubles s = (c[planes.cx[p]] - planes.ox[p]) * planes.nx[p] +
                        (c[planes.cy[p]] - planes.oy[p]) * planes.ny[p];
      rejected |= s + (c[planes.cz[p]] - planes.oz[p]) * planes.nz[p] < limit;
    }
    deferred = WriteFlags(IsOrdinaryBox(c), rejected, flags + i) || deferred;
  }
  return DeferTail(i, n, flags) || deferred;
}

// GPtFence &&: n·(c + d·n) against -tol, per plane.
GMATH_LANE_TARGET bool FenceBoxes(const gmath::detail::LanePlanes& planes,
                                  const unsigned char* boxes, std::size_t n, std::size_t stride,
                                  std::uint8_t* flags) {
  const Doubles limit = Splat(-planes.tol);
  bool deferred = false;
  std::size_t i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    Doubles c[6];
    LoadBoxes(boxes + i * stride, stride, c);
    Mask rejected = Mask{};
    for (unsigned p = 0; p < planes.count; ++p) {
      const Doubles s = planes.nx[p] * (c[planes.cx[p]] + planes.ox[p]) +
                        planes.ny[p] * (c[planes.cy[p]] + planes.oy[p]);
      rejected |= ~(s + planes.nz[p] * (c[planes.cz[p]] + planes.oz[p]) >= limit);
    }
    deferred = WriteFlags(IsOrdinaryBox(c), rejected, flags + i) || deferred;
  }
  return DeferTail(i, n, flags) || deferred;
}

// GBoreLine &&: the axis against the three slabs of the grown box. A lane
// nearly parallel to a slab, or with a depth that is not finite, goes to the
// single call; on the others the depth interval only shrinks, so one test
// at the end answers as the single call's test after each slab.
GMATH_LANE_TARGET bool BoreBoxes(const gmath::detail::LaneAxis& axis, const unsigned char* boxes,
                                 std::size_t n, std::size_t stride, std::uint8_t* flags) {
  const Doubles guard = Splat(gmath::detail::kDivisionGuard);
  bool deferred = false;
  std::size_t i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    Doubles c[6];
    LoadBoxes(boxes + i * stride, stride, c);
    Mask ordinary = IsOrdinaryBox(c);
    Doubles tmin = Splat(axis.tmin);
    Doubles tmax = Splat(axis.tmax);
    for (int a = 0; a < 3; ++a) {
      const Doubles low = c[a] - axis.r;
      const Doubles size = (c[a + 3] + axis.r) - low;
      const Doubles u = (axis.point[a] - low) / size;
      const Doubles v = axis.direction[a] / size;
      ordinary &= (v > guard) | (v < -guard);
      const Doubles t0 = -u / v;
      const Doubles t1 = (1.0 - u) / v;
      ordinary &= IsFinite(t0) & IsFinite(t1);
      const Doubles near = t1 < t0 ? t1 : t0;
      const Doubles far = t0 < t1 ? t1 : t0;
      tmin = tmin < near ? near : tmin;
      tmax = far < tmax ? far : tmax;
    }
    deferred = WriteFlags(ordinary, tmax < tmin, flags + i) || deferred;
  }
  return DeferTail(i, n, flags) || deferred;
}

// The single call for one position.
GMATH_LANE void MoveOne(const GTransf& t, const unsigned char* in, unsigned char* out) {
  GPosition p;
  std::memcpy(&p, in, sizeof p);
  p *= t;
  std::memcpy(out, &p, sizeof p);
}

// Lane k of coordinate j (x, y, z) of kLanes packed triples sits at 3k + j
// of their 3·kLanes doubles, held in three vectors: two shuffles take it
// from the first two vectors, then from the third.
template <std::size_t... k>
GMATH_LANE void Unpack(const Doubles v[3], std::size_t j, Doubles& out, std::index_sequence<k...>) {
  constexpr long long n = kLanes;
  const long long at[] = {static_cast<long long>(3 * k + j)...};
  const Mask fromTwo = {(at[k] < 2 * n ? at[k] : 0)...};
  const Mask fromThird = {(at[k] < 2 * n ? static_cast<long long>(k) : at[k] - n)...};
  out = Shuffle(Shuffle(v[0], v[1], fromTwo), v[2], fromThird);
}

// The inverse: double g of the packed triples is coordinate g % 3 of lane
// g / 3.
template <std::size_t... k>
GMATH_LANE void Pack(const Doubles c[3], std::size_t m, Doubles& out, std::index_sequence<k...>) {
  constexpr long long n = kLanes;
  const long long g[] = {static_cast<long long>(m * kLanes + k)...};
  const Mask fromTwo = {(g[k] % 3 < 2 ? (g[k] % 3) * n + g[k] / 3 : 0)...};
  const Mask fromThird = {(g[k] % 3 < 2 ? static_cast<long long>(k) : n + g[k] / 3)...};
  out = Shuffle(Shuffle(c[0], c[1], fromTwo), c[2], fromThird);
}

// x, y, z of kLanes positions: whole vectors regrouped when the positions
// are packed, one double at a time otherwise.
GMATH_LANE void LoadPositions(const unsigned char* first, std::size_t stride, Doubles c[3]) {
  if (stride == sizeof(GPosition)) {
    Doubles v[3];
    std::memcpy(v, first, sizeof v);
    for (std::size_t j = 0; j < 3; ++j) Unpack(v, j, c[j], std::make_index_sequence<kLanes>{});
    return;
  }
  for (std::size_t j = 0; j < 3; ++j) c[j] = Gather(first + j * sizeof(double), stride);
}

GMATH_LANE void StorePositions(const Doubles c[3], unsigned char* first, std::size_t stride) {
  if (stride == sizeof(GPosition)) {
    Doubles v[3];
    for (std::size_t m = 0; m < 3; ++m) Pack(c, m, v[m], std::make_index_sequence<kLanes>{});
    std::memcpy(first, v, sizeof v);
    return;
  }
  for (int k = 0; k < kLanes; ++k) {
    const double p[3] = {c[0][k], c[1][k], c[2][k]};
    std::memcpy(first + static_cast<std::size_t>(k) * stride, p, sizeof p);
  }
}

// p *= t: ((p·M)·s) + translation. A group with a coordinate that is not
// finite is moved by the single call, which then also decides NaN bits.
GMATH_LANE_TARGET void MovePositions(const GTransf& t, const unsigned char* in, std::size_t n,
                                     std::size_t inStride, unsigned char* out,
                                     std::size_t outStride) {
  const auto& e = t.m_matrix.m_matrix;
  const double shift[3] = {t.m_translation.m_x, t.m_translation.m_y, t.m_translation.m_z};
  std::size_t i = 0;
  for (; i + kLanes <= n; i += kLanes) {
    Doubles c[3];
    LoadPositions(in + i * inStride, inStride, c);
    const Mask finite = IsFinite(c[0]) & IsFinite(c[1]) & IsFinite(c[2]);
    bool allFinite = true;
    for (int k = 0; k < kLanes; ++k) allFinite = allFinite && finite[k] != 0;
    if (!allFinite) {
      for (std::size_t j = i; j < i + kLanes; ++j) MoveOne(t, in + j * inStride, out + j * outStride);
      continue;
    }
    Doubles moved[3];
    for (int j = 0; j < 3; ++j) {
      moved[j] = (c[0] * e[0][j] + c[1] * e[1][j] + c[2] * e[2][j]) * t.m_scaling + shift[j];
    }
    StorePositions(moved, out + i * outStride, outStride);
  }
  for (; i < n; ++i) MoveOne(t, in + i * inStride, out + i * outStride);
}

#undef GMATH_LANE

}  // namespace
