#ifndef GMATH_TESTS_INDEX_INDEX_CASES_H
#define GMATH_TESTS_INDEX_INDEX_CASES_H

// Random and adversarial boxes and volumes for comparing the index with a
// scan. Free of GoogleTest, so that the benchmark's long run draws the same
// cases; Rng is anything with Uniform(low, high).

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "gmath/gmath.h"
#include "gmath/index.h"

namespace gmath::index_cases {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

template <class Rng>
bool Chance(Rng& rng, double p) {
  return rng.Uniform(0, 1) < p;
}

template <class Rng>
std::size_t Pick(Rng& rng, std::size_t count) {
  return static_cast<std::size_t>(rng.Uniform(0, static_cast<double>(count))) % count;
}

// A value a little off x: the same, one or two ulps away, or the distance
// tolerance away, so that touching and rounding cases come up often.
template <class Rng>
double Nudged(Rng& rng, double x) {
  const double d = GetDistanceTolerance();
  switch (Pick(rng, 7)) {
    case 0: return x;
    case 1: return std::nextafter(x, kInf);
    case 2: return std::nextafter(x, -kInf);
    case 3: return x + d;
    case 4: return x - d;
    case 5: return std::nextafter(x + d, kInf);
    default: return std::nextafter(x - d, -kInf);
  }
}

template <class Rng>
GBox OrdinaryBox(Rng& rng, double extent, double size) {
  const double x = rng.Uniform(-extent, extent), y = rng.Uniform(-extent, extent),
               z = rng.Uniform(-extent, extent);
  return BuildBox(x, y, z, x + rng.Uniform(0, size), y + rng.Uniform(0, size),
                  z + rng.Uniform(0, size));
}

// Mostly ordinary boxes; the rest the kinds a bound could lose: flat,
// point, inverted by less and more than the tolerance, the canonical null
// box, NaN and infinite coordinates, flat boxes so far out that IsNull holds,
// huge ones, boxes on floats, and boxes sharing a face with the previous one.
template <class Rng>
GBox ModelBox(Rng& rng, const std::vector<GBox>& made, double extent) {
  GBox box = OrdinaryBox(rng, extent, extent * 0.1);
  if (Chance(rng, 0.7)) return box;
  const double d = GetDistanceTolerance();
  switch (Pick(rng, 13)) {
    case 0: box.m_high.m_z = box.m_low.m_z; break;
    case 1: box.m_high = box.m_low; break;
    case 2: box.m_high.m_x = box.m_low.m_x - 0.5 * d; break;
    case 3: std::swap(box.m_low.m_y, box.m_high.m_y); break;
    case 4: box = BuildBox(1e30, 1e30, 1e30, -1e30, -1e30, -1e30); break;
    case 5: box.m_low.m_y = kNaN; break;
    case 6: box.m_high.m_x = kInf; break;
    case 7: box = BuildBox(0x1p35, 1, 1, 0x1p35, 2, 2); break;
    case 8: box.m_high.m_z = 1e200; break;
    case 9:
      if (!made.empty()) {
        const GBox& last = made.back();
        box = last;
        box.m_low.m_x = last.m_high.m_x;
        box.m_high.m_x = last.m_high.m_x + rng.Uniform(0, 1);
      }
      break;
    case 10: box.m_low.m_x = Nudged(rng, box.m_low.m_x); break;
    case 11:  // on floats, where a node's bounds hold the box exactly
      box = BuildBox(static_cast<float>(box.m_low.m_x), static_cast<float>(box.m_low.m_y),
                     static_cast<float>(box.m_low.m_z), static_cast<float>(box.m_high.m_x),
                     static_cast<float>(box.m_high.m_y), static_cast<float>(box.m_high.m_z));
      break;
    default: box = BuildBox(-extent, -1, -1, extent, 1, 1); break;
  }
  return box;
}

template <class Rng>
std::vector<GBox> ModelBoxes(Rng& rng, std::size_t count, double extent) {
  std::vector<GBox> boxes;
  boxes.reserve(count);
  while (boxes.size() < count) boxes.push_back(ModelBox(rng, boxes, extent));
  return boxes;
}

// A box about `box`, grown by 1, with one face moved onto the float nearest
// the box's opposite face: within the box's float bounds, yet apart from the
// box by up to half a float's step, far more than the tolerance.
template <class Rng>
GBox FloatFaced(Rng& rng, const GBox& box) {
  double low[3] = {box.m_low.m_x - 1, box.m_low.m_y - 1, box.m_low.m_z - 1};
  double high[3] = {box.m_high.m_x + 1, box.m_high.m_y + 1, box.m_high.m_z + 1};
  const double boxLow[3] = {box.m_low.m_x, box.m_low.m_y, box.m_low.m_z};
  const double boxHigh[3] = {box.m_high.m_x, box.m_high.m_y, box.m_high.m_z};
  const std::size_t axis = Pick(rng, 3);
  if (Chance(rng, 0.5)) {
    high[axis] = static_cast<float>(boxLow[axis]);
  } else {
    low[axis] = static_cast<float>(boxHigh[axis]);
  }
  return BuildBox(low[0], low[1], low[2], high[0], high[1], high[2]);
}

// A box touching, or a tolerance from, one of the boxes, or anywhere; now
// and then null, inverted, NaN, unbounded, around every finite box, or apart
// from a box by less than a float's step.
template <class Rng>
GBox QueryBox(Rng& rng, const std::vector<GBox>& boxes, double extent) {
  GBox q = OrdinaryBox(rng, extent, extent * rng.Uniform(0, 0.3));
  if (!boxes.empty() && Chance(rng, 0.5)) {
    const GBox& near = boxes[Pick(rng, boxes.size())];
    q.m_low.m_x = Nudged(rng, near.m_high.m_x);
    q.m_high.m_x = q.m_low.m_x + rng.Uniform(0, extent * 0.1);
    q.m_low.m_y = Nudged(rng, near.m_low.m_y);
    q.m_high.m_y = Nudged(rng, near.m_high.m_y);
  }
  switch (Pick(rng, 20)) {
    case 0: std::swap(q.m_low, q.m_high); break;
    case 1: q.m_low.m_z = kNaN; break;
    case 2: q = BuildBox(-kInf, -kInf, -kInf, kInf, kInf, kInf); break;
    case 3: q.m_high.m_y = 1e300; break;
    case 4:
      if (!boxes.empty()) q = FloatFaced(rng, boxes[Pick(rng, boxes.size())]);
      break;
    case 5: q = BuildBox(-1e12, -1e12, -1e12, 1e12, 1e12, 1e12); break;
    default: break;
  }
  return q;
}

template <class Rng>
GUnitVector Direction(Rng& rng) {
  double v[3] = {rng.Uniform(-1, 1), rng.Uniform(-1, 1), rng.Uniform(-1, 1)};
  // Along an axis, or nearly parallel to a face, half of the time.
  for (double& c : v) {
    if (Chance(rng, 0.25)) c = 0;
    else if (Chance(rng, 0.2)) c = std::copysign(rng.Uniform(0, 1) < 0.5 ? 1e-17 : 1e-9, c);
  }
  if (v[0] == 0 && v[1] == 0 && v[2] == 0) v[Pick(rng, 3)] = 1;
  return Chance(rng, 0.9) ? BuildUnitVector(v[0], v[1], v[2]) : GUnitVector{v[0], v[1], v[2]};
}

template <class Rng>
GPosition PointNear(Rng& rng, const std::vector<GBox>& boxes, double extent) {
  if (boxes.empty() || Chance(rng, 0.3)) {
    return {rng.Uniform(-extent, extent), rng.Uniform(-extent, extent),
            rng.Uniform(-extent, extent)};
  }
  const GBox& box = boxes[Pick(rng, boxes.size())];
  return {Nudged(rng, box.m_low.m_x), Nudged(rng, box.m_high.m_y),
          0.5 * box.m_low.m_z + 0.5 * box.m_high.m_z};
}

template <class Rng>
GBoreLine QueryBore(Rng& rng, const std::vector<GBox>& boxes, double extent) {
  const double radii[] = {0, GetDistanceTolerance(), rng.Uniform(0, extent * 0.05), 1e-300,
                          -1, kNaN};
  const double ends[] = {rng.Uniform(-extent, extent), 1e30, kInf, -1e30, kNaN};
  const double front = ends[Pick(rng, 3)];
  const double back = Chance(rng, 0.9) ? -ends[Pick(rng, 3)] : ends[Pick(rng, 5)];
  const double radius = radii[Chance(rng, 0.9) ? Pick(rng, 3) : Pick(rng, 6)];
  return BuildBoreLine(PointNear(rng, boxes, extent), Direction(rng), front, back, radius);
}

// The six planes of a box, sometimes with one tilted.
template <class Rng>
GClipVolume QueryClipVolume(Rng& rng, const std::vector<GBox>& boxes, double extent) {
  GBox around = QueryBox(rng, boxes, extent);
  GClipVolume volume{};
  ConvertGBoxToGClipVolume(&around, &volume);
  if (Chance(rng, 0.5)) {
    const GUnitVector n = Direction(rng);
    const GPosition p = PointNear(rng, boxes, extent);
    double* plane = volume.m_planes[Pick(rng, 6)];
    plane[0] = n.m_x;
    plane[1] = n.m_y;
    plane[2] = n.m_z;
    plane[3] = -(n.m_x * p.m_x + n.m_y * p.m_y + n.m_z * p.m_z);
  }
  volume.m_count = static_cast<std::uint8_t>(Chance(rng, 0.1) ? Pick(rng, 8) : volume.m_count);
  return volume;
}

// A closed square across a random direction, swept between two depths.
// points must hold 5.
template <class Rng>
GPtFence QueryFence(Rng& rng, const std::vector<GBox>& boxes, double extent, GPosition* points) {
  const GUnitVector d = Direction(rng);
  const GUnitVector n = BuildUnitVector(d.m_x, d.m_y, d.m_z);
  const GUnitVector u = GetPerpVector(n);
  const GVector w = {n.m_y * u.m_z - n.m_z * u.m_y, n.m_z * u.m_x - n.m_x * u.m_z,
                     n.m_x * u.m_y - n.m_y * u.m_x};
  const GPosition c = PointNear(rng, boxes, extent);
  const double half = rng.Uniform(0, extent * 0.2);
  const double corner[5][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}, {-1, -1}};
  for (int i = 0; i < 5; ++i) {
    points[i] = {c.m_x + half * (corner[i][0] * u.m_x + corner[i][1] * w.m_x),
                 c.m_y + half * (corner[i][0] * u.m_y + corner[i][1] * w.m_y),
                 c.m_z + half * (corner[i][0] * u.m_z + corner[i][1] * w.m_z)};
  }
  GPtFence fence{0, points, n, 0, 0};
  long err = 0;
  const double depth = rng.Uniform(0, extent);
  BuildPtFence(5, points, n, depth, -rng.Uniform(0, extent), fence, &err);
  return fence;
}

}  // namespace gmath::index_cases

#endif
