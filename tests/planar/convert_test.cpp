#include "planar/planar_test.h"

namespace {

using namespace gmath::test;

using PlanarConvertTest = GmathTest;

template <class T, class P>
T Lifted(const P& planar) {
  T spatial;
  spatial.Convert3d(planar);
  return spatial;
}

// Every planar value survives the lift into z = 0 and back, bit for bit
// and silently; so does every 3D value already in that plane.
TEST_F(PlanarConvertTest, RoundTripsThroughTheOtherDimension) {
  const GPosition2d p2 = {1.5, -2.25};
  const GVector2d v2 = {-3, 1e-300};
  const GUnitVector2d u2 = BuildUnitVector2d(0.3, -0.7);
  const GTransf2d t2 = BuildTransf2d(Reflection2d(u2), {4, 5}, 2.5, 0, 1, 1);
  const GBox2d b2 = BuildBox2d(-1, 2, 0.5, -3);
  const GTransf t = Lifted<GTransf>(t2);
  EXPECT_TRUE(HasXyz(Lifted<GPosition>(p2), 1.5, -2.25, 0));
  EXPECT_TRUE(HasXyz(t.m_translation, 4, 5, 0));
  const auto& m2 = t2.m_matrix.m_matrix;
  EXPECT_TRUE(HasRows(t.m_matrix, {{{m2[0][0], m2[0][1], 0}, {m2[1][0], m2[1][1], 0}, {0, 0, 1}}}));
  EXPECT_TRUE(HasFlags(t, 0, 1, 1));
  EXPECT_TRUE(SameBits(Lifted<GPosition>(p2).Convert2d(), p2));
  EXPECT_TRUE(SameBits(Lifted<GVector>(v2).Convert2d(), v2));
  EXPECT_TRUE(SameBits(Lifted<GUnitVector>(u2).Convert2d(), u2));
  EXPECT_TRUE(SameBits(t.Convert2d(), t2));
  EXPECT_TRUE(SameBits(Lifted<GBox>(b2).Convert2d(), b2));

  const double c = std::cos(0.8);
  const double s = std::sin(0.8);
  const GTransf spatial = BuildTransf({{{c, s, 0}, {-s, c, 0}, {0, 0, 1}}}, {1, 2, 0}, 3, 1, 0, 0);
  GTransf back = BuildTransf(Diagonal(9, 9, 9), {9, 9, 9}, 9, 9, 9, 9);
  back.Convert3d(spatial.Convert2d());
  EXPECT_TRUE(SameBits(back, spatial));
  const GBox box = {{1, 2, 0}, {3, 4, 0}};
  EXPECT_TRUE(SameBits(Lifted<GBox>(box.Convert2d()), box));
}

// Off the plane by more than resabs is said, and converted all the same.
TEST_F(PlanarConvertTest, ValuesOffThePlaneAreReported) {
  const double d = GetDistanceTolerance();
  EXPECT_TRUE(HasXy((GPosition{1, 2, 1e-7}).Convert2d(), 1, 2));
  EXPECT_TRUE(HasXy((GPosition{1, 2, -d}).Convert2d(), 1, 2));
  EXPECT_TRUE(HasXy((GBox{{0, 0, d}, {1, 1, -d}}).Convert2d().m_high, 1, 1));
  EXPECT_NO_MESSAGES();
  EXPECT_TRUE(HasXy((GPosition{1, 2, 1e-3}).Convert2d(), 1, 2));
  EXPECT_TRUE(HasXy((GVector{1, 2, -Above(d)}).Convert2d(), 1, 2));
  EXPECT_TRUE(HasXy((GUnitVector{0.6, 0, 0.8}).Convert2d(), 1, 0, 1e-16));
  EXPECT_TRUE(HasXy((GBox{{0, 0, 0}, {1, 1, kInf}}).Convert2d().m_high, 1, 1));
  EXPECT_MESSAGES("Convert2d: GPosition z coordinate > distanceTolerance",
                  "Convert2d: Gvector z coordinate greater 0.0",
                  "Convert2d: GUnitvector z coordinate greater 0.0",
                  "Convert2d: GBox z coordinate > distanceTolerance");
  EXPECT_TRUE(HasXy((GUnitVector{0, 0, 1}).Convert2d(), 0, 0));
  EXPECT_MESSAGES("Convert2d: GUnitvector z coordinate greater 0.0",
                  "GUnitVector2d: tried to create a NULL unit vector");
}

// Three independent checks on the matrix; the z translation is dropped
// without one. The flags come from the 2x2 determinant, zero counting as a
// rotation.
TEST_F(PlanarConvertTest, TransformToPlane) {
  const double d = GetDistanceTolerance();
  GTransf t = BuildTransf(Diagonal(1, 1, -1), {1, 2, 5}, 2, 0, 1, 1);
  GTransf2d t2 = t.Convert2d();
  EXPECT_TRUE(HasRows(t2.m_matrix, kIdentity2d));
  EXPECT_TRUE(HasXy(t2.m_translation, 1, 2));
  EXPECT_EQ(t2.m_scaling, 2);
  EXPECT_TRUE(HasFlags(t2, 1, 0, 1));
  EXPECT_MESSAGES("third coordinate in row 2 not 1.0");
  t.m_matrix = {{{0, 1, d}, {1, 0, -d}, {d, -d, 1 + d}}};
  t2 = t.Convert2d();
  EXPECT_TRUE(HasFlags(t2, 0, 1, 1));
  EXPECT_NO_MESSAGES();
  t.m_matrix = {{{0, 0, 0}, {0, 0, Above(d)}, {0, 2 * d, 1}}};
  EXPECT_TRUE(HasFlags(t.Convert2d(), 1, 0, 1));
  EXPECT_MESSAGES("z coordinate of row 0 or row 1 > distanceTolerance",
                  "row 2 coordinates > distanceTolerance");
  t.m_matrix = {{{1, 0, 1}, {0, 1, 0}, {0, 1, 2}}};
  t.Convert2d();
  EXPECT_MESSAGES("z coordinate of row 0 or row 1 > distanceTolerance",
                  "row 2 coordinates > distanceTolerance", "third coordinate in row 2 not 1.0");
}

class G4x4ToTransf2dTest : public GmathTest {
 protected:
  // Three times a rotation by 0.6 in the plane, translated by (7, 8).
  static G4x4 Planar() {
    const double c = 3 * std::cos(0.6);
    const double s = 3 * std::sin(0.6);
    return {{c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, 7, 8, 0, 1}};
  }
  static GTransf2d Untouched() { return BuildTransf2d({{{9, 9}, {9, 9}}}, {9, 9}, 9, 9, 9, 9); }
};

TEST_F(G4x4ToTransf2dTest, PlanarSimilarityConverts) {
  GTransf2d t = Untouched();
  EXPECT_EQ(ConvertG4x4ToGTransf2d(Planar(), t), 0);
  EXPECT_NEAR(t.m_scaling, 3, 1e-15);
  EXPECT_TRUE(HasRows(t.m_matrix, Rotation2d(0.6), 1e-15));
  EXPECT_TRUE(HasXy(t.m_translation, 7, 8));
  EXPECT_TRUE(HasFlags(t, 1, 0, 0));

  G4x4 mirror = {{0, 2, 0, 0, 2, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};
  EXPECT_EQ(ConvertG4x4ToGTransf2d(mirror, t), 0);
  EXPECT_TRUE(HasRows(t.m_matrix, {{{0, 1}, {1, 0}}}));
  EXPECT_EQ(t.m_scaling, 2);
  EXPECT_TRUE(HasFlags(t, 0, 1, 0));
  // The z scale, element 10, plays no part.
  for (double z : {0.0, -5.0, kNaN}) {
    G4x4 g = Planar();
    g.m_matrix[10] = z;
    EXPECT_EQ(ConvertG4x4ToGTransf2d(g, t), 0) << z;
  }
}

// Each examined element must be exactly its identity value, and the block
// a uniform scale times a rotation or reflection; on failure t is left as
// it was.
TEST_F(G4x4ToTransf2dTest, AnythingElseFailsAndLeavesTheTargetAlone) {
  const GTransf2d before = Untouched();
  GTransf2d t = before;
  for (int k : {15, 3, 7, 11, 2, 6, 8, 9, 14}) {
    const double one = k == 15 ? 1 : 0;
    for (double value : {Above(one), Below(one), kNaN}) {
      G4x4 g = Planar();
      g.m_matrix[k] = value;
      EXPECT_EQ(ConvertG4x4ToGTransf2d(g, t), 2) << "element " << k << " at " << value;
    }
  }
  G4x4 stretched = Planar();
  stretched.m_matrix[5] *= 1.001;
  EXPECT_EQ(ConvertG4x4ToGTransf2d(stretched, t), 2);
  G4x4 flat = Planar();
  flat.m_matrix[4] = flat.m_matrix[5] = 0;
  EXPECT_EQ(ConvertG4x4ToGTransf2d(flat, t), 2);
  G4x4 nan = Planar();
  nan.m_matrix[0] = kNaN;
  EXPECT_EQ(ConvertG4x4ToGTransf2d(nan, t), 2);
  EXPECT_TRUE(SameBits(t, before));
}

// The spatial conversion judges the matrix within resnor and takes a z
// coupling of 1e-300 for a similarity; the planar one wants it exactly 0.
TEST_F(G4x4ToTransf2dTest, ExactWhereTheSpatialConversionIsTolerant) {
  G4x4 g = {{0.8, 0.6, 1e-300, 0, -0.6, 0.8, 0, 0, 0, 0, 1, 0, 7, 8, 0, 1}};
  GTransf spatial;
  EXPECT_EQ(ConvertG4x4ToGTransf(g, spatial), 0);
  EXPECT_TRUE(HasFlags(spatial, 1, 0, 0));
  GTransf2d t = Untouched();
  EXPECT_EQ(ConvertG4x4ToGTransf2d(g, t), 2);
  EXPECT_TRUE(SameBits(t, Untouched()));
  g.m_matrix[2] = 0;
  EXPECT_EQ(ConvertG4x4ToGTransf2d(g, t), 0);
  EXPECT_TRUE(HasRows(t.m_matrix, {{{0.8, 0.6}, {-0.6, 0.8}}}, 1e-15));
}

}  // namespace
