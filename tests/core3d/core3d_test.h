#ifndef GMATH_TESTS_CORE3D_CORE3D_TEST_H
#define GMATH_TESTS_CORE3D_CORE3D_TEST_H

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "gmath/gmath.h"
#include "support/gmath_test.h"
#include "support/matchers.h"
#include "support/values.h"

namespace gmath::test {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kEps = std::numeric_limits<double>::epsilon();
// The unit band's half-width and the exact-null bound.
inline constexpr double kBand = 50 * kEps;
inline constexpr GMatrix kIdentity = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

inline double Above(double x) { return std::nextafter(x, kInf); }
inline double Below(double x) { return std::nextafter(x, -kInf); }
inline GMatrix Diagonal(double a, double b, double c) {
  return {{{a, 0, 0}, {0, b, 0}, {0, 0, c}}};
}

// value *= by, as a new value: a compound form checked in one line.
template <class T, class By>
T TimesAssigned(T value, const By& by) {
  value *= by;
  return value;
}

template <class T>
::testing::AssertionResult HasFlags(const T& t, int rotation, int reflection, int shear) {
  if (t.m_hasRotation == rotation && t.m_hasReflection == reflection && t.m_hasShear == shear) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "flags " << int{t.m_hasRotation} << int{t.m_hasReflection} << int{t.m_hasShear};
}

// The larger of CheckOrthogonal's two deviations.
inline double OrthoDeviation(const GMatrix& m) {
  double diagonal = 0;
  double offDiagonal = 0;
  CheckOrthogonal(m, &diagonal, &offDiagonal);
  return std::max(diagonal, offDiagonal);
}

// (p·M)·s + t, the way a transform moves a position.
inline GPosition Apply(const GTransf& t, const GPosition& p) {
  const auto& m = t.m_matrix.m_matrix;
  double q[3];
  for (int j = 0; j < 3; ++j) {
    q[j] = (p.m_x * m[0][j] + p.m_y * m[1][j] + p.m_z * m[2][j]) * t.m_scaling;
  }
  return {q[0] + t.m_translation.m_x, q[1] + t.m_translation.m_y, q[2] + t.m_translation.m_z};
}

// Random values from a fixed seed, which every failure message names with
// the base that replays it. Each draw is a statement of its own: argument
// evaluation order is unspecified.
class Random {
 public:
  explicit Random(unsigned seed)
      : generator_(BaseSeed() + seed),
        trace_(__FILE__, __LINE__,
               "seed " + std::to_string(seed) + ", GMATH_TEST_SEED=" + std::to_string(BaseSeed())) {
  }

  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(generator_);
  }
  GVector Vector(double extent) {
    const double x = Uniform(-extent, extent);
    const double y = Uniform(-extent, extent);
    return {x, y, Uniform(-extent, extent)};
  }
  GUnitVector Direction() {
    const GVector v = Vector(1);
    return BuildUnitVector(v.m_x, v.m_y, v.m_z);
  }
  // A rotation, followed by a reflection half of the time.
  GMatrix Orthogonal() {
    const double angle = Uniform(-kPi, kPi);
    const GMatrix rotation = Rotation(angle, Direction());
    return Uniform(0, 1) < 0.5 ? rotation : rotation * Reflection(Direction());
  }

 private:
  std::mt19937 generator_;
  ::testing::ScopedTrace trace_;
};

// A similarity of random rotation or reflection, scale and translation.
inline GTransf RandomSimilarity(Random& random) {
  const GMatrix m = random.Orthogonal();
  const bool reflection = GetDeterminant(m) < 0;
  const double scale = random.Uniform(0.1, 10);
  return BuildTransf(m, random.Vector(100), scale, !reflection, reflection, 0);
}

}  // namespace gmath::test

#endif
