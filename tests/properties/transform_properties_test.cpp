#include "properties/property_test.h"

namespace {

using namespace gmath::test;

using TransformProperties = GmathTest;

TEST_F(TransformProperties, InverseUndoesTheTransform) {
  ForSeeds("GTransf", 100, [](Random& random) {
    const GTransf a = RandomSimilarity(random);
    const GTransf inverse = a.Inverse();
    EXPECT_EQ((a * inverse).IsIdentity(), 1);
    EXPECT_EQ((inverse * a).IsIdentity(), 1);
    EXPECT_EQ(inverse.m_hasReflection, a.m_hasReflection);
    // ^ applies the inverse to each kind of value.
    const GPosition p = RandomPosition(random, 50);
    EXPECT_TRUE(Near(Apply(a, p) ^ a, p, 1e-12));
    EXPECT_TRUE(Near(Apply(inverse, Apply(a, p)), p, 1e-12));
    const GVector v = random.Vector(10);
    EXPECT_TRUE(Near((v * a) ^ a, v, 1e-12));
    const GUnitVector u = random.Direction();
    EXPECT_TRUE(Near((u * a) ^ a, u, 1e-14));
  });
  ForSeeds("GTransf2d", 100, [](Random& random) {
    const GTransf2d a = RandomSimilarity2d(random);
    const GTransf2d inverse = a.Inverse();
    EXPECT_EQ((a * inverse).IsIdentity(), 1);
    EXPECT_EQ((inverse * a).IsIdentity(), 1);
    const GPosition2d p = {random.Uniform(-50, 50), random.Uniform(-50, 50)};
    const GPosition2d moved = p * a;
    EXPECT_TRUE(HasXy(moved ^ a, p.m_x, p.m_y, 1e-12));
    EXPECT_TRUE(HasXy(moved * inverse, p.m_x, p.m_y, 1e-12));
  });
  ForSeeds("G4x4", 100, [](Random& random) {
    const G4x4 a = RandomWellConditioned(random);
    const G4x4 inverse = a.Inverse();
    EXPECT_TRUE(HasElements(a * inverse, kIdentity4x4, 1e-14));
    EXPECT_TRUE(HasElements(inverse * a, kIdentity4x4, 1e-14));
    EXPECT_TRUE(HasElements(inverse.Inverse(), a, 1e-13));
  });
}

// The exact G4x4 of a similarity moves every kind of value as the
// transform does, converts back to it and composes with other matrices as
// the transform operand itself.
TEST_F(TransformProperties, TransformAndItsG4x4MoveValuesAlike) {
  ForSeeds("GTransf", 100, [](Random& random) {
    const GTransf t = RandomSimilarity(random);
    G4x4 g = {};
    g = t;
    const GPosition p = RandomPosition(random, 50);
    EXPECT_TRUE(Near(g * p, Apply(t, p), 1e-11));
    const GVector v = random.Vector(10);
    EXPECT_TRUE(Near(g * v, v * t, 1e-11));
    const GUnitVector u = random.Direction();
    EXPECT_TRUE(Near(g * u, u * t, 1e-14));
    GTransf back;
    EXPECT_EQ(ConvertG4x4ToGTransf(g, back), 0);
    EXPECT_EQ(back.IsEqual(t), 1);
    EXPECT_NEAR(back.m_scaling, t.m_scaling, 1e-10 * t.m_scaling);
    EXPECT_TRUE(HasFlags(back, t.m_hasRotation, t.m_hasReflection, 0));
    const G4x4 other = RandomWellConditioned(random);
    EXPECT_TRUE(HasElements(other * t, other * g));
    EXPECT_TRUE(HasElements(t * other, g * other));
  });
}

TEST_F(TransformProperties, CompositionIsAssociative) {
  ForSeeds("GTransf", 100, [](Random& random) {
    const GTransf a = RandomSimilarity(random);
    const GTransf b = RandomSimilarity(random);
    const GTransf c = RandomSimilarity(random);
    EXPECT_EQ(((a * b) * c).IsEqual(a * (b * c)), 1);
    const GPosition p = RandomPosition(random, 50);
    EXPECT_TRUE(Near(Apply(a * b, p), Apply(b, Apply(a, p)), 1e-9));
    GTransf assigned = a;
    assigned *= b;
    EXPECT_EQ(assigned.IsEqual(a * b), 1);
  });
  ForSeeds("GTransf2d", 100, [](Random& random) {
    const GTransf2d a = RandomSimilarity2d(random);
    const GTransf2d b = RandomSimilarity2d(random);
    const GTransf2d c = RandomSimilarity2d(random);
    EXPECT_EQ(((a * b) * c).IsEqual(a * (b * c)), 1);
    const GPosition2d p = {random.Uniform(-50, 50), random.Uniform(-50, 50)};
    const GPosition2d twice = (p * a) * b;
    EXPECT_TRUE(HasXy(p * (a * b), twice.m_x, twice.m_y, 1e-9));
  });
  ForSeeds("G4x4", 100, [](Random& random) {
    const G4x4 a = RandomWellConditioned(random);
    const G4x4 b = RandomWellConditioned(random);
    const G4x4 c = RandomWellConditioned(random);
    EXPECT_TRUE(HasElements((a * b) * c, a * (b * c), 1e-11));
    const GPosition p = RandomPosition(random, 1);
    EXPECT_TRUE(Near((a * b) * p, a * (b * p), 1e-12));
  });
}

// The moved box is the tight bound of the moved corners, so it holds each.
TEST_F(TransformProperties, TransformedBoxBoundsItsTransformedCorners) {
  ForSeeds("GTransf", 100, [](Random& random) {
    const GTransf t = RandomSimilarity(random);
    const GPosition low = RandomPosition(random, 10);
    const GVector size = random.Vector(5);
    const GBox box = BuildBox(low, {low.m_x + size.m_x, low.m_y + size.m_y, low.m_z + size.m_z});
    G4x4 g = {};
    g = t;
    GPosition corners[8];
    box.GiveCorners(corners);
    for (GPosition& corner : corners) corner *= t;
    const GBox bound = BuildBox(8, corners);
    for (const GBox& moved : {box * t, g * box}) {
      EXPECT_EQ(moved.IsEqual(bound), 1);
      for (const GPosition& corner : corners) EXPECT_EQ(moved >> corner, 1);
    }
  });
  ForSeeds("GTransf2d", 100, [](Random& random) {
    const GTransf2d t = RandomSimilarity2d(random);
    const double x = random.Uniform(-10, 10);
    const double y = random.Uniform(-10, 10);
    const GBox2d box = BuildBox2d(x, y, x + random.Uniform(0, 5), y + random.Uniform(0, 5));
    GPosition2d corners[4];
    box.GiveCorners(corners);
    for (GPosition2d& corner : corners) corner *= t;
    const GBox2d moved = box * t;
    EXPECT_EQ(moved.IsEqual(BuildBox2d(4, corners)), 1);
    for (const GPosition2d& corner : corners) EXPECT_EQ(moved >> corner, 1);
  });
}

}  // namespace
