#include "homogeneous/homogeneous_test.h"

namespace {

using namespace gmath::test;

class BuildersTest : public GmathTest {
 protected:
  static constexpr const char* kCosineSine = "q4x4: rotation cosine and sine invalid\n";
  static constexpr const char* kCollinear = "q4x4: new axis vectors are collinear\n";
  static constexpr GUnitVector kZ = {0, 0, 1};

  // What a builder that fails must leave alone.
  static G4x4 Sentinel() {
    G4x4 g;
    for (int k = 0; k < 16; ++k) g.m_matrix[k] = 100 + k;
    return g;
  }
};

TEST_F(BuildersTest, RotationRowsAreTheImagesOfTheAxes) {
  G4x4 m = Sentinel();
  long err = 7;
  Rotate4x4(0.0, 1.0, kZ, m, &err);
  EXPECT_EQ(err, 0);
  EXPECT_TRUE(HasElements(m, {{0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}}));
  m = Sentinel();
  Rotate4x4(kPi / 2, kZ, m, &err);
  EXPECT_EQ(err, 0);
  EXPECT_TRUE(HasElements(m, {{0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}}, 1e-16));
  EXPECT_NO_MESSAGES();
}

TEST_F(BuildersTest, CosineAndSineOffTheUnitCircleLeaveTheMatrix) {
  for (const auto& [c, s] : {std::pair{1.0, 1.0}, {0.6, 0.8 + 1e-9}, {kNaN, 0.0}}) {
    G4x4 m = Sentinel();
    long err = 0;
    Rotate4x4(c, s, kZ, m, &err);
    EXPECT_EQ(err, 2);
    EXPECT_TRUE(HasElements(m, Sentinel()));
    Rotate4x4(c, s, kZ, {1, 2, 3}, m, &err);
    EXPECT_EQ(err, 2);
    EXPECT_TRUE(HasElements(m, Sentinel()));
    EXPECT_MESSAGES(kCosineSine, kCosineSine);
  }
  // Within resnor of the circle is accepted.
  G4x4 m = Sentinel();
  long err = 0;
  Rotate4x4(0.6, 0.8 + 1e-11, kZ, m, &err);
  EXPECT_EQ(err, 0);
  EXPECT_NO_MESSAGES();
}

// The axis is checked first; its message leaves the result code alone.
TEST_F(BuildersTest, AxisIsCheckedBeforeTheCosineAndSine) {
  G4x4 m = Sentinel();
  long err = 0;
  Rotate4x4(1.0, 1.0, {2, 0, 0}, m, &err);
  EXPECT_MESSAGES("GUnitVector: vector is not a unit vector", kCosineSine);
  Rotate4x4(0.3, {0, 0, 0}, m, &err);
  EXPECT_EQ(err, 0);
  EXPECT_MESSAGES("GUnitVector: using a NULL unit vector");
  Reflect4x4({0, 3, 4}, m, &err);
  Reflect4x4({0, 3, 4}, {1, 1, 1}, m, &err);
  EXPECT_EQ(err, 0);
  EXPECT_MESSAGES("GUnitVector: vector is not a unit vector",
                  "GUnitVector: vector is not a unit vector");
}

TEST_F(BuildersTest, RotationAndReflectionAboutAPointKeepIt) {
  const GPosition point = {1, 0, 0};
  G4x4 m = Sentinel();
  long err = 0;
  Rotate4x4(kPi, kZ, point, m, &err);
  EXPECT_EQ(err, 0);
  EXPECT_TRUE(HasXyz(m * GPosition{0, 0, 0}, 2, 0, 0, 1e-15));
  Rotate4x4(-1.0, 0.0, kZ, point, m, &err);
  EXPECT_TRUE(HasXyz(m * GPosition{0, 0, 0}, 2, 0, 0));
  EXPECT_TRUE(HasXyz(m * point, 1, 0, 0));

  const GUnitVector normal = BuildUnitVector(1, 1, 0);
  Reflect4x4(normal, {1, 1, 5}, m, &err);
  EXPECT_TRUE(HasXyz(m * GPosition{0, 0, 0}, 2, 2, 0, 1e-15));
  EXPECT_TRUE(HasXyz(m * GPosition{2, 0, 3}, 2, 0, 3, 1e-15));
  EXPECT_TRUE(m.HasReflection());
  Reflect4x4({0, 0, 1}, m, &err);
  EXPECT_TRUE(HasElements(m, {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1}}));
  EXPECT_EQ(err, 0);
  EXPECT_NO_MESSAGES();
}

TEST_F(BuildersTest, TranslationAndScalesOverwriteTheMatrix) {
  G4x4 m = Sentinel();
  long err = 7;
  Translate4x4({1, 2, 3}, m, &err);
  EXPECT_EQ(err, 0);
  EXPECT_TRUE(HasElements(m, {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1}}));
  Scale4x4(-2, m, &err);
  EXPECT_TRUE(HasElements(m, {{-2, 0, 0, 0, 0, -2, 0, 0, 0, 0, -2, 0, 0, 0, 0, 1}}));
  EXPECT_FALSE(std::signbit(m.m_matrix[1]));
  Scale4x4(2, 3, 4, m, &err);
  EXPECT_TRUE(HasElements(m, {{2, 0, 0, 0, 0, 3, 0, 0, 0, 0, 4, 0, 0, 0, 0, 1}}));
  const GPosition point = {1, -2, 5};
  Scale4x4(2, point, m, &err);
  EXPECT_TRUE(HasXyz(m * point, 1, -2, 5));
  EXPECT_TRUE(HasXyz(m * GPosition{2, -2, 5}, 3, -2, 5));
  Scale4x4(2, 3, 0.5, point, m, &err);
  EXPECT_TRUE(HasXyz(m * point, 1, -2, 5));
  EXPECT_TRUE(HasXyz(m * GPosition{2, -1, 7}, 3, 1, 6));
  EXPECT_EQ(err, 0);
  EXPECT_NO_MESSAGES();
}

TEST_F(BuildersTest, FrameMapsLocalToGlobalAndRejectsCollinearAxes) {
  G4x4 m = Sentinel();
  long err = 7;
  Coordinate4x4({1, 2, 3}, {1, 0, 0}, BuildUnitVector(1, 1, 0), m, &err);
  EXPECT_EQ(err, 0);
  EXPECT_TRUE(HasElements(m, {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1}}, 1e-16));
  Coordinate4x4({1, 2, 3}, {0, 1, 0}, {0, 0, 1}, m, &err);
  EXPECT_TRUE(HasXyz(m * GPosition{1, 0, 0}, 1, 3, 3));
  EXPECT_TRUE(HasXyz(m * GPosition{0, 0, 1}, 2, 2, 3));
  EXPECT_NO_MESSAGES();

  const G4x4 kept = m;
  Coordinate4x4({}, {1, 0, 0}, {-1, 0, 0}, m, &err);
  EXPECT_EQ(err, 2);
  EXPECT_TRUE(HasElements(m, kept));
  EXPECT_MESSAGES(kCollinear);
  Coordinate4x4({}, {1, 0, 0}, {0, 0, 0}, m, &err);
  EXPECT_EQ(err, 2);
  EXPECT_MESSAGES("GUnitVector: tried to create a NULL unit vector", kCollinear);
}

}  // namespace
