#include <algorithm>
#include <cmath>
#include <vector>

#include "properties/property_test.h"

namespace {

using namespace gmath::test;

using VolumeProperties = GmathTest;

constexpr int kSamples = 20;

template <class V>
GPosition Along(const GPosition& p, double s, const V& v) {
  return {p.m_x + s * v.m_x, p.m_y + s * v.m_y, p.m_z + s * v.m_z};
}
GVector Between(const GPosition& from, const GPosition& to) {
  return {to.m_x - from.m_x, to.m_y - from.m_y, to.m_z - from.m_z};
}
GUnitVector Row(const GMatrix& m, int i) {
  return {m.m_matrix[i][0], m.m_matrix[i][1], m.m_matrix[i][2]};
}

// A box around x, of random size and place, down to a point.
GBox BoxAround(Random& random, const GPosition& x) {
  const GVector v = random.Vector(1);
  GPosition corners[] = {Along(x, 1, v), Along(x, -random.Uniform(0, 1), v)};
  return BuildBox(2, corners);
}

// A convex polygon of 3 to 10 corners on a circle about c in the plane of
// the frame's first two rows, closed.
std::vector<GPosition> ConvexPolygon(Random& random, const GMatrix& frame, const GPosition& c) {
  std::vector<double> angles(3 + static_cast<std::size_t>(random.Uniform(0, 8)));
  for (double& a : angles) a = random.Uniform(0, 2 * kPi);
  std::sort(angles.begin(), angles.end());
  const double radius = random.Uniform(0.5, 5);
  std::vector<GPosition> polygon;
  for (double a : angles) {
    polygon.push_back(
        Along(Along(c, radius * std::cos(a), Row(frame, 0)), radius * std::sin(a), Row(frame, 1)));
  }
  polygon.push_back(polygon.front());
  return polygon;
}

// A random mix of the corners, pulled towards their mean to keep it off the
// edges.
GPosition InsidePolygon(Random& random, const std::vector<GPosition>& polygon) {
  const std::size_t corners = polygon.size() - 1;
  std::vector<double> weights(corners);
  double total = 0;
  for (double& w : weights) total += w = random.Uniform(0.01, 1);
  GPosition mix = {}, mean = {};
  for (std::size_t i = 0; i < corners; ++i) {
    mix = Along(mix, weights[i] / total, Between({}, polygon[i]));
    mean = Along(mean, 1.0 / static_cast<double>(corners), Between({}, polygon[i]));
  }
  return Along(mean, 0.95, Between(mean, mix));
}

// A depth strictly between back and front.
double DepthBetween(Random& random, double back, double front) {
  return back + random.Uniform(0.02, 0.98) * (front - back);
}

// Where the ray from the eye through q meets the plane `height` above the
// eye, q lying `heightOfQ` above it (both along the same direction).
GPosition OnRay(const GPosition& eye, const GPosition& q, double height, double heightOfQ) {
  return Along(eye, height / heightOfQ, Between(eye, q));
}

struct Slab {
  double back, front;
};
Slab RandomSlab(Random& random) {
  const double back = random.Uniform(-5, 5);
  return {back, back + random.Uniform(0.1, 5)};
}
// An eye depth outside the slab and off the depth 0 of the base.
double EyeDepth(Random& random, const Slab& s) {
  const double gap = random.Uniform(0.5, 5);
  return random.Uniform(0, 1) < 0.5 ? std::min(s.back, 0.0) - gap : std::max(s.front, 0.0) + gap;
}

TEST_F(VolumeProperties, BoreLinePointsLieInItsRangeAndBoxes) {
  ForSeeds("bore lines", 100, [](Random& random) {
    const GPosition p = RandomPosition(random, 10);
    const GUnitVector d = random.Direction();
    const Slab s = RandomSlab(random);
    const double radius = random.Uniform(0.01, 2);
    GBoreLine bore = BuildBoreLine(p, d, s.front, s.back, radius);
    if (random.Uniform(0, 1) < 0.1) bore.MakeInfinite();
    const GTransf t = RandomSimilarity(random);
    bore *= t;
    const GBox range = BoreLineRange(bore);
    for (int k = 0; k < kSamples; ++k) {
      const GVector aside = random.Vector(1);
      const GUnitVector w = BuildUnitVector(d.m_y * aside.m_z - d.m_z * aside.m_y,
                                            d.m_z * aside.m_x - d.m_x * aside.m_z,
                                            d.m_x * aside.m_y - d.m_y * aside.m_x);
      const double depth = DepthBetween(random, s.back, s.front);
      const GPosition x = Apply(t, Along(Along(p, depth, d), random.Uniform(0, 0.95) * radius, w));
      EXPECT_EQ(range >> x, 1) << k;
      EXPECT_EQ(bore >> x, 1) << k;
      EXPECT_EQ(bore && BoxAround(random, x), 1) << k;
    }
  });
}

// A convex base in a random frame, swept between two depths along the
// frame's third row, with room for a volume's copy of its points.
struct PointVolume {
  explicit PointVolume(Random& random)
      : frame(random.Orthogonal()),
        polygon(ConvexPolygon(random, frame, RandomPosition(random, 10))),
        slab(RandomSlab(random)),
        room(polygon.size()) {}

  GUnitVector Direction() const { return Row(frame, 2); }
  // unsigned long, 32 bits on Windows, as the builders take it.
  unsigned long Count() const { return static_cast<unsigned long>(polygon.size()); }
  GPtFence Fence() {
    GPtFence fence = {0, room.data(), {}, 0, 0};
    long err = -1;
    BuildPtFence(Count(), polygon.data(), Direction(), slab.front, slab.back, fence, &err);
    EXPECT_EQ(err, 0);
    return fence;
  }
  // Inside the base polygon, between the depths.
  GPosition Sample(Random& random) const {
    return Along(InsidePolygon(random, polygon), DepthBetween(random, slab.back, slab.front),
                 Direction());
  }

  GMatrix frame;
  std::vector<GPosition> polygon;
  Slab slab;
  std::vector<GPosition> room;
};

TEST_F(VolumeProperties, FencePointsLieInItsRangeAndPassItsTests) {
  ForSeeds("fences", 100, [](Random& random) {
    PointVolume v(random);
    GPtFence fence = v.Fence();
    const GTransf t = RandomSimilarity(random);
    fence *= t;
    std::vector<GPosition> planePoints(fence.m_count + 1);
    std::vector<GUnitVector> planeNormals(fence.m_count + 1);
    fence.FindPlanes(planePoints.data(), planeNormals.data());
    const GBox range = PtFenceRange(fence);
    for (int k = 0; k < kSamples; ++k) {
      const GPosition x = Apply(t, v.Sample(random));
      int inside = -1;
      long err = -1;
      IsPtInPtFence(fence, planePoints.data(), planeNormals.data(), x, &inside, &err);
      EXPECT_EQ(inside, 1) << k;
      EXPECT_EQ(range >> x, 1) << k;
      EXPECT_EQ(fence && BoxAround(random, x), 1) << k;
    }
  });
}

TEST_F(VolumeProperties, PrismPointsLieInItsRange) {
  ForSeeds("prisms", 100, [](Random& random) {
    PointVolume v(random);
    GRtPrism prism = {};
    prism.m_points = v.room.data();
    long err = -1;
    BuildRtPrism(v.polygon.data(), v.Count(), v.Direction(), v.slab.front, v.slab.back, prism,
                 &err);
    ASSERT_EQ(err, 0);
    const GTransf t = RandomSimilarity(random);
    prism *= t;
    const GBox range = RtPrismRange(prism);
    for (int k = 0; k < kSamples; ++k) EXPECT_EQ(range >> Apply(t, v.Sample(random)), 1) << k;
  });
}

// The rays from the eye through the base, between the two planes.
TEST_F(VolumeProperties, FrustumPointsLieInItsRange) {
  ForSeeds("frustums", 100, [](Random& random) {
    PointVolume v(random);
    const GPtFence fence = v.Fence();
    const double eyeDepth = EyeDepth(random, v.slab);
    const GPosition eye = Along(InsidePolygon(random, v.polygon), eyeDepth, v.Direction());
    std::vector<GPosition> room(v.polygon.size());
    GPtFrustum frustum = {{0, room.data(), {}, 0, 0}, {}};
    long err = -1;
    BuildPtFrustum(fence, eye, frustum, &err);
    const GTransf t = RandomSimilarity(random);
    frustum *= t;
    const GBox range = PtFrustumRange(frustum);
    for (int k = 0; k < kSamples; ++k) {
      const double depth = DepthBetween(random, v.slab.back, v.slab.front);
      const GPosition x = OnRay(eye, InsidePolygon(random, v.polygon), depth - eyeDepth, -eyeDepth);
      EXPECT_EQ(range >> Apply(t, x), 1) << k;
    }
  });
}

// The point `fraction` of the way from c, inside every plane, along w to
// the nearest plane the ray leaves by (up to 10 away when none bounds it);
// false when none does.
bool AlongRay(const GClipVolume& v, const GPosition& c, const GUnitVector& w, double fraction,
              GPosition& x) {
  double reach = 10 / fraction;
  bool bounded = false;
  for (int i = 0; i < v.m_count; ++i) {
    const double* plane = v.m_planes[i];
    const double norm = std::sqrt(plane[0] * plane[0] + plane[1] * plane[1] + plane[2] * plane[2]);
    const double rate = (plane[0] * w.m_x + plane[1] * w.m_y + plane[2] * w.m_z) / norm;
    const double distance =
        (plane[0] * c.m_x + plane[1] * c.m_y + plane[2] * c.m_z + plane[3]) / norm;
    if (rate < 0 && distance / -rate < reach) {
      reach = distance / -rate;
      bounded = true;
    }
  }
  x = Along(c, fraction * reach, w);
  return bounded;
}

int Inside(const GClipVolume& v, const GPosition& x) {
  int inside = -1;
  long err = -1;
  IsPtInClipVolume(v, x, &inside, &err);
  return inside;
}

// Half-spaces about a point, and turned boxes, whose range bounds them.
TEST_F(VolumeProperties, ClipVolumePointsPassItsTestsAndLieInTheRangeOfABox) {
  int draw = 0;
  ForSeeds("clip volumes", 100, [&draw](Random& random) {
    const GPosition c = RandomPosition(random, 10);
    GPosition points[6];
    GUnitVector normals[6];
    for (int i = 0; i < 6; ++i) {
      normals[i] = random.Direction();
      points[i] = Along(c, -random.Uniform(0.1, 3), normals[i]);
    }
    const GClipVolume v = BuildClipVolume(1 + draw++ % 6u, points, normals);
    for (int k = 0; k < kSamples; ++k) {
      const GUnitVector w = random.Direction();
      GPosition x, beyond;
      AlongRay(v, c, w, random.Uniform(0, 0.99), x);
      EXPECT_NE(Inside(v, x), 0) << k;
      EXPECT_EQ(v && BoxAround(random, x), 1) << k;
      if (!AlongRay(v, c, w, 1.01, beyond)) continue;
      EXPECT_EQ(Inside(v, beyond), 0) << k;
      EXPECT_EQ(v >> BoxAround(random, beyond), 0) << k;
    }
  });
  ForSeeds("turned boxes", 100, [](Random& random) {
    const GPosition low = RandomPosition(random, 10);
    GBox box = BuildBox(low, Along(low, 1,
                                   GVector{random.Uniform(0.1, 5), random.Uniform(0.1, 5),
                                           random.Uniform(0.1, 5)}));
    GClipVolume v;
    ConvertGBoxToGClipVolume(&box, &v);
    const GTransf t = RandomSimilarity(random);
    v *= t;
    const GBox range = ClipVolumeRange(v);
    const GPosition centre = Apply(t, Along(low, 0.5, Between(low, box.m_high)));
    for (int k = 0; k < kSamples; ++k) {
      GPosition x;
      AlongRay(v, centre, random.Direction(), random.Uniform(0, 0.99), x);
      EXPECT_EQ(range >> x, 1) << k;
      EXPECT_NE(Inside(v, x), 0) << k;
    }
  });
}

}  // namespace
