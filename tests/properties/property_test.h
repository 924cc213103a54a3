#ifndef GMATH_TESTS_PROPERTIES_PROPERTY_TEST_H
#define GMATH_TESTS_PROPERTIES_PROPERTY_TEST_H

#include "homogeneous/homogeneous_test.h"
#include "planar/planar_test.h"

namespace gmath::test {

// Runs check on `count` seeded draws and records the count under `what`
// as a property of the test (it shows in --gtest_output reports).
template <class Check>
void ForSeeds(const char* what, unsigned count, Check check) {
  for (unsigned seed = 1; seed <= count; ++seed) {
    Random random(seed);
    check(random);
  }
  ::testing::Test::RecordProperty(what, static_cast<int>(count));
}

inline GPosition RandomPosition(Random& random, double extent) {
  const GVector v = random.Vector(extent);
  return {v.m_x, v.m_y, v.m_z};
}

// A planar rotation, followed by a reflection half of the time, scaled and
// moved.
inline GTransf2d RandomSimilarity2d(Random& random) {
  GMatrix2d m = Rotation2d(random.Uniform(-kPi, kPi));
  const bool reflection = random.Uniform(0, 1) < 0.5;
  if (reflection) m = m * Reflection2d(BuildUnitVector2d(random.Uniform(-1, 1), 1));
  const double scale = random.Uniform(0.1, 10);
  const GVector2d shift = {random.Uniform(-100, 100), random.Uniform(-100, 100)};
  return BuildTransf2d(m, shift, scale, !reflection, reflection, 0);
}

template <class P>
::testing::AssertionResult Near(const P& p, const P& expected, double tol) {
  return HasXyz(p, expected.m_x, expected.m_y, expected.m_z, tol);
}

}  // namespace gmath::test

#endif
