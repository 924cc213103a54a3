#include "homogeneous/homogeneous_test.h"

namespace {

using namespace gmath::test;

class BuildersTest : public GmathTest {
 protected:
  static constexpr const char* kCosineSine = "q4x4: rotation cosine and sine invalid\n";
  static constexpr const char* kCollinear = "q4x4: new axis vectors are collinear\n";
  static constexpr GUnitVector kZ = {0, 0, 1};
  // What a builder must overwrite on success and leave on failure.
  static constexpr G4x4 kSentinel = {{9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9}};
};

TEST_F(BuildersTest, RotationsAboutTheOriginAndAboutAPoint) {
  const G4x4 quarter = {{0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};
  G4x4 m = kSentinel;
  long err = 7;
  Rotate4x4(0.0, 1.0, kZ, m, &err);
  EXPECT_EQ(err, 0);
  EXPECT_TRUE(HasElements(m, quarter));
  m = kSentinel;
  Rotate4x4(kPi / 2, kZ, m, &err);
  EXPECT_TRUE(HasElements(m, quarter, 1e-16));
  const GPosition point = {1, 0, 0};
  Rotate4x4(kPi, kZ, point, m, &err);
  EXPECT_TRUE(HasXyz(m * GPosition{0, 0, 0}, 2, 0, 0, 1e-15));
  Rotate4x4(-1.0, 0.0, kZ, point, m, &err);
  EXPECT_TRUE(HasXyz(m * GPosition{0, 0, 0}, 2, 0, 0));
  EXPECT_EQ(err, 0);
}

// Off the unit circle by more than resnor, or NaN: message, code 2, m kept.
// The axis is checked first, and its message leaves the code alone.
TEST_F(BuildersTest, BadCosineAndSineLeaveTheMatrix) {
  for (const auto& [c, s] : {std::pair{1.0, 1.0}, {0.6, 0.8 + 1e-9}, {kNaN, 0.0}}) {
    G4x4 m = kSentinel;
    long err = 0;
    Rotate4x4(c, s, kZ, m, &err);
    EXPECT_EQ(err, 2);
    Rotate4x4(c, s, kZ, {1, 2, 3}, m, &err);
    EXPECT_EQ(err, 2);
    EXPECT_TRUE(HasElements(m, kSentinel));
    EXPECT_MESSAGES(kCosineSine, kCosineSine);
  }
  G4x4 m = kSentinel;
  long err = 0;
  Rotate4x4(0.6, 0.8 + 1e-11, kZ, m, &err);
  EXPECT_EQ(err, 0);
  EXPECT_NO_MESSAGES();
  Rotate4x4(1.0, 1.0, {2, 0, 0}, m, &err);
  EXPECT_MESSAGES("GUnitVector: vector is not a unit vector", kCosineSine);
  Rotate4x4(0.3, {0, 0, 0}, m, &err);
  Reflect4x4({0, 3, 4}, {1, 1, 1}, m, &err);
  EXPECT_EQ(err, 0);
  EXPECT_MESSAGES("GUnitVector: using a NULL unit vector",
                  "GUnitVector: vector is not a unit vector");
}

// Builders about a point keep it; the uniform scale writes +0.0 off the
// diagonal even when negative.
TEST_F(BuildersTest, ReflectionAndScaleKeepTheirPoint) {
  G4x4 m = kSentinel;
  long err = 7;
  Reflect4x4(BuildUnitVector(1, 1, 0), {1, 1, 5}, m, &err);
  EXPECT_TRUE(HasXyz(m * GPosition{0, 0, 0}, 2, 2, 0, 1e-15));
  EXPECT_TRUE(HasXyz(m * GPosition{2, 0, 3}, 2, 0, 3, 1e-15));
  Scale4x4(-2, m, &err);
  EXPECT_TRUE(HasElements(m, {{-2, 0, 0, 0, 0, -2, 0, 0, 0, 0, -2, 0, 0, 0, 0, 1}}));
  EXPECT_FALSE(std::signbit(m.m_matrix[1]));
  const GPosition point = {1, -2, 5};
  Scale4x4(2, 3, 0.5, point, m, &err);
  EXPECT_TRUE(HasXyz(m * point, 1, -2, 5));
  EXPECT_TRUE(HasXyz(m * GPosition{2, -1, 7}, 3, 1, 6));
  EXPECT_EQ(err, 0);
}

TEST_F(BuildersTest, FrameMapsLocalToGlobalAndRejectsCollinearAxes) {
  G4x4 m = kSentinel;
  long err = 7;
  Coordinate4x4({1, 2, 3}, {1, 0, 0}, BuildUnitVector(1, 1, 0), m, &err);
  EXPECT_EQ(err, 0);
  EXPECT_TRUE(HasElements(m, {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1}}, 1e-16));
  Coordinate4x4({1, 2, 3}, {0, 1, 0}, {0, 0, 1}, m, &err);
  EXPECT_TRUE(HasXyz(m * GPosition{0, 0, 1}, 2, 2, 3));
  EXPECT_NO_MESSAGES();
  const G4x4 kept = m;
  Coordinate4x4({}, {1, 0, 0}, {-1, 0, 0}, m, &err);
  EXPECT_EQ(err, 2);
  EXPECT_TRUE(HasElements(m, kept));
  EXPECT_MESSAGES(kCollinear);
}

}  // namespace
