#include "batch_floor.h"

#include <immintrin.h>

#include <algorithm>
#include <cfloat>
#include <cmath>

#define AVX2 __attribute__((target("avx2"), noinline))
#define AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline

namespace bench::floor {
namespace {

constexpr double kResabs = 1e-6;

// Planes against one corner each: normal, offset, corner coordinate index.
struct Planes {
  int count;
  double n[8][3];
  double o[8][3];
  int c[8][3];
};

void SetCorners(Planes& planes, int i, bool farInside) {
  for (int k = 0; k < 3; ++k) {
    const bool high = (planes.n[i][k] > 0.0) == farInside;
    planes.c[i][k] = high ? 3 + k : k;
  }
}

Planes ClipPlanes(const GClipVolume& volume) {
  Planes planes = {};
  planes.count = volume.m_count < 6 ? volume.m_count : 6;
  for (int i = 0; i < planes.count; ++i) {
    double p[4] = {volume.m_planes[i][0], volume.m_planes[i][1], volume.m_planes[i][2],
                   volume.m_planes[i][3]};
    const double s2 = p[0] * p[0] + p[1] * p[1] + p[2] * p[2];
    if (s2 != 0.0 && std::abs(s2 - 1.0) > DBL_EPSILON) {
      const double length = std::sqrt(s2);
      for (double& e : p) e = e / length;
    }
    for (int k = 0; k < 3; ++k) {
      planes.n[i][k] = p[k];
      planes.o[i][k] = -p[3] * p[k];
    }
    SetCorners(planes, i, true);
  }
  return planes;
}

Planes FencePlanes(const GPtFence& fence) {
  GPosition points[8];
  GUnitVector normals[8];
  fence.FindPlanes(points, normals);
  Planes planes = {};
  planes.count = static_cast<int>(fence.m_count) + 1;
  for (int i = 0; i < planes.count; ++i) {
    const GUnitVector& m = normals[i];
    const double w = -(m.m_x * points[i].m_x + m.m_y * points[i].m_y + m.m_z * points[i].m_z);
    const double n[3] = {m.m_x, m.m_y, m.m_z};
    for (int k = 0; k < 3; ++k) {
      planes.n[i][k] = n[k];
      planes.o[i][k] = w * n[k];
    }
    SetCorners(planes, i, true);
  }
  return planes;
}

// Four boxes of an array of structs as six vectors: a 4x4 transpose of
// (low x, y, z, high x) and the pairs (high y, z).
AVX2_INLINE void LoadBoxes(const GBox* boxes, __m256d c[6]) {
  const double* b = &boxes[0].m_low.m_x;
  const __m256d r0 = _mm256_loadu_pd(b), r1 = _mm256_loadu_pd(b + 6);
  const __m256d r2 = _mm256_loadu_pd(b + 12), r3 = _mm256_loadu_pd(b + 18);
  const __m256d t0 = _mm256_unpacklo_pd(r0, r1), t1 = _mm256_unpackhi_pd(r0, r1);
  const __m256d t2 = _mm256_unpacklo_pd(r2, r3), t3 = _mm256_unpackhi_pd(r2, r3);
  c[0] = _mm256_permute2f128_pd(t0, t2, 0x20);
  c[1] = _mm256_permute2f128_pd(t1, t3, 0x20);
  c[2] = _mm256_permute2f128_pd(t0, t2, 0x31);
  c[3] = _mm256_permute2f128_pd(t1, t3, 0x31);
  const __m128d s0 = _mm_loadu_pd(b + 4), s1 = _mm_loadu_pd(b + 10);
  const __m128d s2 = _mm_loadu_pd(b + 16), s3 = _mm_loadu_pd(b + 22);
  c[4] = _mm256_set_m128d(_mm_unpacklo_pd(s2, s3), _mm_unpacklo_pd(s0, s1));
  c[5] = _mm256_set_m128d(_mm_unpackhi_pd(s2, s3), _mm_unpackhi_pd(s0, s1));
}

AVX2_INLINE void LoadBoxes(const BoxColumns& boxes, std::size_t i, __m256d c[6]) {
  for (int k = 0; k < 6; ++k) c[k] = _mm256_loadu_pd(boxes.c[k] + i);
}

AVX2_INLINE void Store(int rejected, std::uint8_t* flags) {
  for (int k = 0; k < 4; ++k) flags[k] = static_cast<std::uint8_t>(((rejected >> k) & 1) ^ 1);
}

// (c - q)·n < -tol.
AVX2_INLINE int ClipRejects(const Planes& planes, const __m256d c[6]) {
  const __m256d limit = _mm256_set1_pd(-kResabs);
  __m256d rejected = _mm256_setzero_pd();
  for (int p = 0; p < planes.count; ++p) {
    const double* n = planes.n[p];
    const double* o = planes.o[p];
    const int* k = planes.c[p];
    __m256d s = _mm256_mul_pd(_mm256_sub_pd(c[k[0]], _mm256_set1_pd(o[0])), _mm256_set1_pd(n[0]));
    s = _mm256_add_pd(s, _mm256_mul_pd(_mm256_sub_pd(c[k[1]], _mm256_set1_pd(o[1])),
                                       _mm256_set1_pd(n[1])));
    s = _mm256_add_pd(s, _mm256_mul_pd(_mm256_sub_pd(c[k[2]], _mm256_set1_pd(o[2])),
                                       _mm256_set1_pd(n[2])));
    rejected = _mm256_or_pd(rejected, _mm256_cmp_pd(s, limit, _CMP_LT_OQ));
  }
  return _mm256_movemask_pd(rejected);
}

// !(n·(c + w·n) >= -tol).
AVX2_INLINE int FenceRejects(const Planes& planes, const __m256d c[6]) {
  const __m256d limit = _mm256_set1_pd(-kResabs);
  __m256d rejected = _mm256_setzero_pd();
  for (int p = 0; p < planes.count; ++p) {
    const double* n = planes.n[p];
    const double* o = planes.o[p];
    const int* k = planes.c[p];
    __m256d s = _mm256_mul_pd(_mm256_set1_pd(n[0]), _mm256_add_pd(c[k[0]], _mm256_set1_pd(o[0])));
    s = _mm256_add_pd(s, _mm256_mul_pd(_mm256_set1_pd(n[1]),
                                       _mm256_add_pd(c[k[1]], _mm256_set1_pd(o[1]))));
    s = _mm256_add_pd(s, _mm256_mul_pd(_mm256_set1_pd(n[2]),
                                       _mm256_add_pd(c[k[2]], _mm256_set1_pd(o[2]))));
    rejected = _mm256_or_pd(rejected, _mm256_cmp_pd(s, limit, _CMP_NGE_UQ));
  }
  return _mm256_movemask_pd(rejected);
}

// The slabs of the grown box, one test at the end.
AVX2_INLINE int BoreRejects(const GBoreLine& bore, double r, const __m256d c[6]) {
  const double p[3] = {bore.m_point.m_x, bore.m_point.m_y, bore.m_point.m_z};
  const double d[3] = {bore.m_direction.m_x, bore.m_direction.m_y, bore.m_direction.m_z};
  __m256d tmin = _mm256_set1_pd(std::min(bore.m_front, bore.m_back));
  __m256d tmax = _mm256_set1_pd(std::max(bore.m_front, bore.m_back));
  const __m256d radius = _mm256_set1_pd(r);
  for (int a = 0; a < 3; ++a) {
    const __m256d low = _mm256_sub_pd(c[a], radius);
    const __m256d size = _mm256_sub_pd(_mm256_add_pd(c[a + 3], radius), low);
    const __m256d u = _mm256_div_pd(_mm256_sub_pd(_mm256_set1_pd(p[a]), low), size);
    const __m256d v = _mm256_div_pd(_mm256_set1_pd(d[a]), size);
    const __m256d t0 = _mm256_div_pd(_mm256_xor_pd(u, _mm256_set1_pd(-0.0)), v);
    const __m256d t1 = _mm256_div_pd(_mm256_sub_pd(_mm256_set1_pd(1.0), u), v);
    tmin = _mm256_max_pd(_mm256_min_pd(t1, t0), tmin);
    tmax = _mm256_min_pd(_mm256_max_pd(t1, t0), tmax);
  }
  return _mm256_movemask_pd(_mm256_cmp_pd(tmax, tmin, _CMP_LT_OQ));
}

}  // namespace

AVX2 void ClipFlags(const GClipVolume& volume, const GBox* boxes, std::size_t count,
                    std::uint8_t* flags) {
  const Planes planes = ClipPlanes(volume);
  for (std::size_t i = 0; i + 4 <= count; i += 4) {
    __m256d c[6];
    LoadBoxes(boxes + i, c);
    Store(ClipRejects(planes, c), flags + i);
  }
}

AVX2 void ClipFlags(const GClipVolume& volume, const BoxColumns& boxes, std::size_t count,
                    std::uint8_t* flags) {
  const Planes planes = ClipPlanes(volume);
  for (std::size_t i = 0; i + 4 <= count; i += 4) {
    __m256d c[6];
    LoadBoxes(boxes, i, c);
    Store(ClipRejects(planes, c), flags + i);
  }
}

AVX2 void FenceFlags(const GPtFence& fence, const GBox* boxes, std::size_t count,
                     std::uint8_t* flags) {
  const Planes planes = FencePlanes(fence);
  for (std::size_t i = 0; i + 4 <= count; i += 4) {
    __m256d c[6];
    LoadBoxes(boxes + i, c);
    Store(FenceRejects(planes, c), flags + i);
  }
}

AVX2 void FenceFlags(const GPtFence& fence, const BoxColumns& boxes, std::size_t count,
                     std::uint8_t* flags) {
  const Planes planes = FencePlanes(fence);
  for (std::size_t i = 0; i + 4 <= count; i += 4) {
    __m256d c[6];
    LoadBoxes(boxes, i, c);
    Store(FenceRejects(planes, c), flags + i);
  }
}

AVX2 void BoreFlags(const GBoreLine& bore, const GBox* boxes, std::size_t count,
                    std::uint8_t* flags) {
  const double r = bore.m_radius == 0.0 || std::isnan(bore.m_radius) ? kResabs : bore.m_radius;
  for (std::size_t i = 0; i + 4 <= count; i += 4) {
    __m256d c[6];
    LoadBoxes(boxes + i, c);
    Store(BoreRejects(bore, r, c), flags + i);
  }
}

// Four positions (three vectors of an array of structs) into x, y, z and
// back: the 128-bit halves regrouped, then blended.
AVX2 void MovePositions(const GTransf& t, const GPosition* in, std::size_t count,
                        GPosition* out) {
  const auto& e = t.m_matrix.m_matrix;
  const __m256d s = _mm256_set1_pd(t.m_scaling);
  const double shift[3] = {t.m_translation.m_x, t.m_translation.m_y, t.m_translation.m_z};
  for (std::size_t i = 0; i + 4 <= count; i += 4) {
    const double* b = &in[i].m_x;
    const __m256d a0 = _mm256_loadu_pd(b), a1 = _mm256_loadu_pd(b + 4), a2 = _mm256_loadu_pd(b + 8);
    const __m256d p = _mm256_permute2f128_pd(a0, a1, 0x30);
    const __m256d q = _mm256_permute2f128_pd(a0, a2, 0x21);
    const __m256d r = _mm256_permute2f128_pd(a1, a2, 0x30);
    const __m256d x = _mm256_blend_pd(p, q, 0xa);
    const __m256d y = _mm256_shuffle_pd(p, r, 0x5);
    const __m256d z = _mm256_blend_pd(q, r, 0xa);
    __m256d o[3];
    for (int j = 0; j < 3; ++j) {
      __m256d v = _mm256_mul_pd(x, _mm256_set1_pd(e[0][j]));
      v = _mm256_add_pd(v, _mm256_mul_pd(y, _mm256_set1_pd(e[1][j])));
      v = _mm256_add_pd(v, _mm256_mul_pd(z, _mm256_set1_pd(e[2][j])));
      o[j] = _mm256_add_pd(_mm256_mul_pd(v, s), _mm256_set1_pd(shift[j]));
    }
    const __m256d op = _mm256_shuffle_pd(o[0], o[1], 0x0);
    const __m256d oq = _mm256_blend_pd(o[2], o[0], 0xa);
    const __m256d orr = _mm256_shuffle_pd(o[1], o[2], 0xf);
    double* w = &out[i].m_x;
    _mm256_storeu_pd(w, _mm256_permute2f128_pd(op, oq, 0x20));
    _mm256_storeu_pd(w + 4, _mm256_permute2f128_pd(orr, op, 0x30));
    _mm256_storeu_pd(w + 8, _mm256_permute2f128_pd(oq, orr, 0x31));
  }
}

AVX2 double Sum(const GBox* boxes, std::size_t count) {
  const double* d = &boxes[0].m_low.m_x;
  __m256d sums[3] = {_mm256_setzero_pd(), _mm256_setzero_pd(), _mm256_setzero_pd()};
  for (std::size_t i = 0; i + 2 <= count; i += 2) {
    for (int k = 0; k < 3; ++k) sums[k] = _mm256_add_pd(sums[k], _mm256_loadu_pd(d + 6 * i + 4 * k));
  }
  double lanes[4];
  _mm256_storeu_pd(lanes, _mm256_add_pd(_mm256_add_pd(sums[0], sums[1]), sums[2]));
  return lanes[0] + lanes[1] + lanes[2] + lanes[3];
}

}  // namespace bench::floor
