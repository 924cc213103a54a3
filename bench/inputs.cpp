#include "inputs.h"

#include <cmath>
#include <cstdint>

namespace bench {
namespace {

// A closed convex polygon of count points in the plane z = 0.
std::vector<GPosition> Polygon(std::size_t count) {
  std::vector<GPosition> points;
  for (std::size_t i = 0; i + 1 < count; ++i) {
    const double a = 6.283185307179586 * static_cast<double>(i) / static_cast<double>(count - 1);
    points.push_back({3 * std::cos(a), 2 * std::sin(a), 0});
  }
  points.push_back(points.front());
  return points;
}

GPtFence Fence(std::vector<GPosition>& points) {
  return {static_cast<std::uint32_t>(points.size()), points.data(), {0, 0, 1}, 1, -1};
}

// Scaled rotations about changing axes and points, boxes that some bore
// lines meet and some fences hold, planes that are not axes, points inside,
// on and outside the volumes.
Inputs Make() {
  Inputs in;
  for (std::size_t i = 0; i < kCount; ++i) {
    const double t = static_cast<double>(i) + 1.0;
    const GUnitVector axis = BuildUnitVector(std::sin(t), std::cos(3 * t), 0.5);
    GTransf transform = RotateTransf(0.1 * t, axis, {t, -t, 0.5 * t});
    transform.m_scaling = 0.5 + 0.01 * t;
    in.transforms[i] = transform;
    in.matrices[i] = transform.m_matrix;
    for (auto& row : in.matrices[i].m_matrix) {
      for (double& entry : row) entry *= transform.m_scaling;
    }
    in.similarities[i] = transform;
    in.perspectives[i] = transform;
    in.perspectives[i].m_matrix[3] = 0.001 * std::sin(t);
    in.positions[i] = {std::sin(5 * t) * 3, std::cos(7 * t), 0.05 * t};
    const GPosition low = {std::sin(t) * 3, std::cos(t), -1.0};
    in.boxes[i] = BuildBox(low, {low.m_x + 2.0, low.m_y + 0.5, low.m_z + 0.1 * t});
    const GPosition point = {std::cos(t), std::sin(2 * t), 0.1 * t};
    in.bores[i] =
        i % 4 == 0 ? BuildBoreLine(point, axis) : BuildBoreLine(point, axis, t, -0.5 * t, 0.01 * t);
    GBox box = in.boxes[i];
    ConvertGBoxToGClipVolume(&box, &in.upright[i]);
    in.turned[i] = in.upright[i] * RotateTransf(0.1 * t, axis);
  }
  in.fencePoints = Polygon(kFence);
  in.rangePoints = Polygon(kRange);
  in.fence = Fence(in.fencePoints);
  in.rangeFence = Fence(in.rangePoints);
  return in;
}

}  // namespace

const Inputs& TheInputs() {
  static const Inputs inputs = Make();
  return inputs;
}

bool SameBits(const GTransf& a, const GTransf& b) {
  return SameBits(a.m_matrix, b.m_matrix) && SameBits(a.m_translation, b.m_translation) &&
         SameBits(a.m_scaling, b.m_scaling) && a.m_hasRotation == b.m_hasRotation &&
         a.m_hasReflection == b.m_hasReflection && a.m_hasShear == b.m_hasShear;
}

}  // namespace bench
