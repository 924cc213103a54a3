#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "core3d/vector_ops.h"
#include "frame/tolerance.h"
#include "gmath/batch.h"
#include "batch/box_tests.h"
#include "volumes/clip_planes.h"

using gmath::detail::AreUsable;
using gmath::detail::LanePlanes;
using gmath::detail::PlaneKernel;

namespace {

// The coordinate index (0-2 low, 3-5 high) of the box corner a plane tests
// on an axis: the `positive` face (0 low, 3 high) where the normal's
// component is positive, the other one otherwise (NaN included).
unsigned char CornerOf(double component, unsigned char positive, unsigned char axis) {
  const unsigned face = component > 0.0 ? positive : 3u - positive;
  return static_cast<unsigned char>(face + axis);
}

template <class V>
bool IsFinite(const V& v) {
  return std::isfinite(v.m_x) && std::isfinite(v.m_y) && std::isfinite(v.m_z);
}

// Sets plane i of the kernel's planes; whether it holds only finite numbers.
bool SetPlane(LanePlanes& planes, unsigned i, const GUnitVector& n, const GVector& offset,
              unsigned char positive) {
  planes.nx[i] = n.m_x;
  planes.ny[i] = n.m_y;
  planes.nz[i] = n.m_z;
  planes.ox[i] = offset.m_x;
  planes.oy[i] = offset.m_y;
  planes.oz[i] = offset.m_z;
  planes.cx[i] = CornerOf(n.m_x, positive, 0);
  planes.cy[i] = CornerOf(n.m_y, positive, 1);
  planes.cz[i] = CornerOf(n.m_z, positive, 2);
  return IsFinite(n) && IsFinite(offset);
}

// volume && box tests the corner farthest inside each plane, volume >> box
// the corner farthest outside. A level plane or one that is not finite
// leaves every box to the single call.
struct ClipTest {
  ClipTest(const GClipVolume& v, bool containment) : volume(v), contains(containment) {
    gmath::detail::ClipPlane found[6];
    planes.count = gmath::detail::ClipPlanes(volume, found);
    planes.tol = gmath::detail::DistanceTolerance();
    const unsigned char positive = contains ? 0 : 3;
    bool usable = true;
    for (unsigned i = 0; i < planes.count; ++i) {
      const gmath::detail::PlaneForm& form = found[i].form;
      const GVector q = {form.q.m_x, form.q.m_y, form.q.m_z};
      usable = SetPlane(planes, i, form.n, q, positive) && !found[i].level && usable;
    }
    kernel = usable ? gmath::detail::ActiveKernels().clipBoxes : nullptr;
  }
  bool HasKernel() const { return kernel != nullptr; }
  bool Kernel(const unsigned char* boxes, std::size_t n, std::size_t stride,
              std::uint8_t* flags) const {
    return kernel(planes, boxes, n, stride, flags);
  }
  int Single(const GBox& box) const { return contains ? volume >> box : volume && box; }

  const GClipVolume& volume;
  bool contains;
  LanePlanes planes;
  PlaneKernel kernel;
};

// The fence's planes found once (FindPlanes) in the form its test uses:
// the far corner against d = -n·p, added as d·n. A fence without the points
// to find planes from answers 1 for every box, after the single call's
// message once; one of more than 63 points leaves every box to the single
// call.
struct FenceTest {
  explicit FenceTest(const GPtFence& f) : fence(f) {
    lacksPlanes = fence.m_count < 3 || fence.m_points == nullptr;
    kernel = nullptr;
    if (lacksPlanes || fence.m_count >= gmath::detail::kMaxLanePlanes) return;
    GPosition points[gmath::detail::kMaxLanePlanes];
    GUnitVector normals[gmath::detail::kMaxLanePlanes];
    fence.FindPlanes(points, normals);
    planes.count = fence.m_count + 1;
    planes.tol = gmath::detail::DistanceTolerance();
    bool usable = true;
    for (unsigned i = 0; i < planes.count; ++i) {
      const GUnitVector& n = normals[i];
      const double d = -gmath::detail::Dot(n, points[i]);
      const GVector offset = {d * n.m_x, d * n.m_y, d * n.m_z};
      usable = SetPlane(planes, i, n, offset, 3) && usable;
    }
    if (usable) kernel = gmath::detail::ActiveKernels().fenceBoxes;
  }
  // The message of a fence without planes, once, before any box.
  void ReportVolume(std::size_t count) const {
    if (lacksPlanes && count > 0) static_cast<void>(fence && GBox{});
  }
  bool HasKernel() const { return kernel != nullptr; }
  bool Kernel(const unsigned char* boxes, std::size_t n, std::size_t stride,
              std::uint8_t* flags) const {
    return kernel(planes, boxes, n, stride, flags);
  }
  int Single(const GBox& box) const { return lacksPlanes ? 1 : fence && box; }

  const GPtFence& fence;
  bool lacksPlanes;
  LanePlanes planes;
  PlaneKernel kernel;
};

// The bore line's radius (the relative tolerance for 0) and depth interval,
// as its test starts; anything not finite: the single call for every box.
struct BoreTest {
  explicit BoreTest(const GBoreLine& b) : bore(b) {
    double r = bore.m_radius;
    if (r == 0.0 || std::isnan(r)) r = gmath::detail::RelativeTolerance();
    axis = {{bore.m_point.m_x, bore.m_point.m_y, bore.m_point.m_z},
            {bore.m_direction.m_x, bore.m_direction.m_y, bore.m_direction.m_z},
            std::min(bore.m_front, bore.m_back),
            std::max(bore.m_front, bore.m_back),
            r};
    const bool usable = IsFinite(bore.m_point) && IsFinite(bore.m_direction) &&
                        std::isfinite(axis.tmin) && std::isfinite(axis.tmax) &&
                        std::isfinite(bore.m_radius) && std::isfinite(r);
    kernel = usable ? gmath::detail::ActiveKernels().boreBoxes : nullptr;
  }
  bool HasKernel() const { return kernel != nullptr; }
  bool Kernel(const unsigned char* boxes, std::size_t n, std::size_t stride,
              std::uint8_t* flags) const {
    return kernel(axis, boxes, n, stride, flags);
  }
  int Single(const GBox& box) const { return bore && box; }

  const GBoreLine& bore;
  gmath::detail::LaneAxis axis;
  gmath::detail::AxisKernel kernel;
};

// The box-against-box tests have no kernel: the single call for each box.
template <class Compare>
struct BoxTest {
  bool HasKernel() const { return false; }
  bool Kernel(const unsigned char*, std::size_t, std::size_t, std::uint8_t*) const { return true; }
  int Single(const GBox& other) const { return compare(box, other); }

  const GBox& box;
  Compare compare;
};

template <class Compare>
BoxTest<Compare> MakeBoxTest(const GBox& box, Compare compare) {
  return {box, compare};
}

auto Intersects(const GBox& box) {
  return MakeBoxTest(box, [](const GBox& a, const GBox& b) { return (a & b).IsNull() == 0; });
}
auto Contains(const GBox& box) {
  return MakeBoxTest(box, [](const GBox& a, const GBox& b) { return a >> b; });
}
auto Inside(const GBox& box) {
  return MakeBoxTest(box, [](const GBox& a, const GBox& b) { return a << b; });
}

}  // namespace

void GBatchOverlap(const GClipVolume& volume, const GBox* boxes, std::size_t count,
                   std::size_t stride, std::uint8_t* flags) {
  if (!AreUsable(boxes, count, stride, flags)) return;
  gmath::detail::Flags(ClipTest(volume, false), boxes, count, stride, flags);
}

void GBatchOverlap(const GPtFence& fence, const GBox* boxes, std::size_t count,
                   std::size_t stride, std::uint8_t* flags) {
  if (!AreUsable(boxes, count, stride, flags)) return;
  const FenceTest test(fence);
  test.ReportVolume(count);
  gmath::detail::Flags(test, boxes, count, stride, flags);
}

void GBatchOverlap(const GBoreLine& bore, const GBox* boxes, std::size_t count,
                   std::size_t stride, std::uint8_t* flags) {
  if (!AreUsable(boxes, count, stride, flags)) return;
  gmath::detail::Flags(BoreTest(bore), boxes, count, stride, flags);
}

void GBatchContains(const GClipVolume& volume, const GBox* boxes, std::size_t count,
                    std::size_t stride, std::uint8_t* flags) {
  if (!AreUsable(boxes, count, stride, flags)) return;
  gmath::detail::Flags(ClipTest(volume, true), boxes, count, stride, flags);
}

void GBatchIntersects(const GBox& box, const GBox* boxes, std::size_t count, std::size_t stride,
                      std::uint8_t* flags) {
  if (!AreUsable(boxes, count, stride, flags)) return;
  gmath::detail::Flags(Intersects(box), boxes, count, stride, flags);
}

void GBatchContains(const GBox& box, const GBox* boxes, std::size_t count, std::size_t stride,
                    std::uint8_t* flags) {
  if (!AreUsable(boxes, count, stride, flags)) return;
  gmath::detail::Flags(Contains(box), boxes, count, stride, flags);
}

void GBatchInside(const GBox& box, const GBox* boxes, std::size_t count, std::size_t stride,
                  std::uint8_t* flags) {
  if (!AreUsable(boxes, count, stride, flags)) return;
  gmath::detail::Flags(Inside(box), boxes, count, stride, flags);
}

std::size_t GBatchOverlapHits(const GClipVolume& volume, const GBox* boxes, std::size_t count,
                              std::size_t stride, std::size_t* hits) {
  if (!AreUsable(boxes, count, stride, hits)) return 0;
  return gmath::detail::Hits(ClipTest(volume, false), boxes, count, stride, hits);
}

std::size_t GBatchOverlapHits(const GPtFence& fence, const GBox* boxes, std::size_t count,
                              std::size_t stride, std::size_t* hits) {
  if (!AreUsable(boxes, count, stride, hits)) return 0;
  const FenceTest test(fence);
  test.ReportVolume(count);
  return gmath::detail::Hits(test, boxes, count, stride, hits);
}

std::size_t GBatchOverlapHits(const GBoreLine& bore, const GBox* boxes, std::size_t count,
                              std::size_t stride, std::size_t* hits) {
  if (!AreUsable(boxes, count, stride, hits)) return 0;
  return gmath::detail::Hits(BoreTest(bore), boxes, count, stride, hits);
}

std::size_t GBatchContainsHits(const GClipVolume& volume, const GBox* boxes, std::size_t count,
                               std::size_t stride, std::size_t* hits) {
  if (!AreUsable(boxes, count, stride, hits)) return 0;
  return gmath::detail::Hits(ClipTest(volume, true), boxes, count, stride, hits);
}

std::size_t GBatchIntersectsHits(const GBox& box, const GBox* boxes, std::size_t count,
                                 std::size_t stride, std::size_t* hits) {
  if (!AreUsable(boxes, count, stride, hits)) return 0;
  return gmath::detail::Hits(Intersects(box), boxes, count, stride, hits);
}

std::size_t GBatchContainsHits(const GBox& box, const GBox* boxes, std::size_t count,
                               std::size_t stride, std::size_t* hits) {
  if (!AreUsable(boxes, count, stride, hits)) return 0;
  return gmath::detail::Hits(Contains(box), boxes, count, stride, hits);
}

std::size_t GBatchInsideHits(const GBox& box, const GBox* boxes, std::size_t count,
                             std::size_t stride, std::size_t* hits) {
  if (!AreUsable(boxes, count, stride, hits)) return 0;
  return gmath::detail::Hits(Inside(box), boxes, count, stride, hits);
}
