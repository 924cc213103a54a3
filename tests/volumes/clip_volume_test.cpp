#include "volumes/point_volume_test.h"

namespace {

using namespace gmath::test;

class ClipVolumeTest : public GmathTest {
 protected:
  static constexpr const char* kNegative = "GClipVolume: should not multiply by scalar < 0.0";
  static constexpr double kCorner[] = {1, 0, 0, -1, 0, 1, 0, -2, 0, 0, 1, -3};  // x>=1 y>=2 z>=3

  static GClipVolume Of(GBox box) {
    GClipVolume v;
    EXPECT_EQ(ConvertGBoxToGClipVolume(&box, &v), 0);
    return v;
  }
  static int Inside(const GClipVolume& v, const GPosition& p) {
    int inside = -1;
    long err = -1;
    IsPtInClipVolume(v, p, &inside, &err);
    EXPECT_EQ(err, 0);
    return inside;
  }
  // The planes in use, each coefficient within tol.
  static ::testing::AssertionResult SamePlanes(const GClipVolume& v, const GClipVolume& w,
                                               double tol = 0.0) {
    for (int i = 0; i < 6 && v.m_count == w.m_count; ++i) {
      for (int k = 0; k < 4 && i < v.m_count; ++k) {
        if (!(std::abs(v.m_planes[i][k] - w.m_planes[i][k]) <= tol)) {
          return ::testing::AssertionFailure() << "plane " << i << ": " << v.m_planes[i][k];
        }
      }
    }
    if (v.m_count == w.m_count) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << int{v.m_count} << " planes";
  }
};

TEST_F(ClipVolumeTest, BuildersCapNormalizeAndRefuseNull) {
  const GPosition points[7] = {{0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {0, 0, 3},
                               {0, 0, 4}, {0, 0, 5}, {0, 0, 6}};
  const GUnitVector normals[7] = {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {0, 0, 1},
                                  {0, 0, 1}, {0, 0, 1}, {0, 0, 1}};
  const GClipVolume seven = BuildClipVolume(7, points, normals);
  EXPECT_MESSAGES("GClipVolume: can't build more than 6 planes");
  EXPECT_TRUE(seven.m_count == 6 && seven.m_planes[5][3] == -5);
  const double coefficients[] = {0, 0, 2, -4, 0, 0, 1, -4, 0, 0, 0, -1};
  EXPECT_TRUE(SamePlanes(BuildClipVolume(3, coefficients),
                         {{{0, 0, 1, -2}, {0, 0, 1, -4}, {0, 0, 0, -1}}, 3}));
  EXPECT_EQ(BuildClipVolume(3, nullptr, normals).m_count, 0);
  EXPECT_EQ(BuildClipVolume(8, nullptr).m_count, 0);
  GBox box = {};
  GClipVolume v = {};
  EXPECT_EQ(ConvertGBoxToGClipVolume(nullptr, &v) + ConvertGBoxToGClipVolume(&box, nullptr), 4);
  long err = -1;
  IsPtInClipVolume(v, {0, 0, 0}, nullptr, &err);
  EXPECT_EQ(err, 2);
}

// With a tolerance of 2^-20 the distances are exact: at the tolerance a
// point is on the plane, one bit beyond it is not.
TEST_F(ClipVolumeTest, ClassificationAtTheTolerance) {
  const GClipVolume v = Of({{0, 0, 0}, {1, 2, 3}});
  EXPECT_EQ(Inside(v, {0.5, 1, 1.5}), 1);
  EXPECT_EQ(Inside(v, {-1, 1, 1.5}), 0);
  EXPECT_EQ(Inside(v, {1 + 0.5e-6, 1, 1.5}), 2);
  const double tol = std::ldexp(1.0, -20);
  long err = 0;
  SetDistanceTolerance(tol, &err);
  EXPECT_EQ(Inside(v, {1 + tol, 1, 1.5}), 2);
  EXPECT_EQ(Inside(v, {Above(1 + tol), 1, 1.5}), 0);
  EXPECT_EQ(Inside(v, {1 - tol, 1, 1.5}), 2);
  EXPECT_EQ(Inside(v, {Below(1 - tol), 1, 1.5}), 1);
  EXPECT_EQ(Inside(GClipVolume{}, {1e30, 0, 0}), 1);
}

// A box touching a face meets the volume, one just off it does not; a box
// across a face does not lie in it.
TEST_F(ClipVolumeTest, BoxTestsAtAFace) {
  const GClipVolume box = Of({{0, 0, 0}, {1, 2, 3}});
  EXPECT_TRUE((box && GBox{{1, 0, 0}, {2, 1, 1}}) && !(box && GBox{{1.1, 0, 0}, {2, 1, 1}}));
  EXPECT_TRUE((box >> GBox{{0.2, 0.2, 0.2}, {0.8, 0.8, 0.8}}));
  EXPECT_FALSE((box >> GBox{{0.5, 0.5, 0.5}, {1.5, 1, 1}}));
}

TEST_F(ClipVolumeTest, RangeOfTheCorners) {
  EXPECT_TRUE(IsBox(ClipVolumeRange(Of({{0, 0, 0}, {1, 2, 3}})), {{0, 0, 0}, {1, 2, 3}}));
  EXPECT_TRUE(IsBox(ClipVolumeRange(BuildClipVolume(3, kCorner)), {{1, 2, 3}, {1, 2, 3}}));
  EXPECT_NO_MESSAGES();
  const GBox none = ClipVolumeRange(BuildClipVolume(2, kCorner));
  EXPECT_TRUE(SameBits(none, kNullBox));
  EXPECT_MESSAGES("GBox: can't build with 0 points");
  // A NaN plane (x >= 0 here) meets the others in no corner; the four
  // corners away from it are the range.
  GClipVolume broken = Of({{0, 0, 0}, {1, 2, 3}});
  broken.m_planes[1][0] = kNaN;
  EXPECT_TRUE(IsBox(ClipVolumeRange(broken), {{1, 0, 0}, {1, 2, 3}}));
  EXPECT_EQ(TakeMessages(),
            std::vector<std::string>(5, "GUnitVector: tried to create a NULL unit vector"));
}

TEST_F(ClipVolumeTest, MovedTurnedAndTransformed) {
  const GClipVolume unit = Of({{0, 0, 0}, {1, 1, 1}});
  EXPECT_TRUE(SamePlanes(unit + GVector{1, 2, 3}, Of({{1, 2, 3}, {2, 3, 4}})));
  GClipVolume v = unit;
  v -= GVector{1, 2, 3};
  EXPECT_TRUE(SamePlanes(v, Of({{-1, -2, -3}, {0, -1, -2}})));
  const GMatrix m = {{{1, 2, 0}, {0, 1, 0}, {0, 0, 1}}};
  EXPECT_TRUE(SamePlanes(m * unit, unit * m.Transpose()));
  EXPECT_EQ((unit * m).m_planes[1][1], 2);  // the normal (1, 0, 0) as a row
  // A quarter turn, doubled and moved: the image of the unit box.
  v = unit;
  v *= RotateTransf(kPi / 2, {0, 0, 1}) * ScaleTransf(2) * TranslateTransf({1, 0, 0});
  EXPECT_TRUE(IsBox(ClipVolumeRange(v), {{-1, 0, 0}, {1, 2, 2}}, 1e-15));
}

TEST_F(ClipVolumeTest, ScaledAboutTheCentre) {
  const GClipVolume cube = Of({{0, 0, 0}, {2, 2, 2}});
  EXPECT_TRUE(SamePlanes(cube * 0.5, Of({{0.5, 0.5, 0.5}, {1.5, 1.5, 1.5}})));
  // Up to three planes scale about their foot points' mean, here (1/3, 2/3,
  // 1), not about their corner (1, 2, 3); one plane stays.
  EXPECT_TRUE(SamePlanes(BuildClipVolume(3, kCorner) * 2,
                         {{{1, 0, 0, -5.0 / 3}, {0, 1, 0, -10.0 / 3}, {0, 0, 1, -5}}, 3}, 1e-15));
  EXPECT_TRUE(SamePlanes(BuildClipVolume(1, kCorner) * 2, BuildClipVolume(1, kCorner)));
  // Four planes without a corner (a square prism) fall back to the foot
  // points, (0.5, 0.5, 0) on average.
  const double prism[] = {1, 0, 0, 0, -1, 0, 0, 2, 0, 1, 0, 0, 0, -1, 0, 2};
  EXPECT_TRUE(
      SamePlanes(BuildClipVolume(4, prism) * 0.5,
                 {{{1, 0, 0, -0.25}, {-1, 0, 0, 1.25}, {0, 1, 0, -0.25}, {0, -1, 0, 1.25}}, 4}));
  EXPECT_NO_MESSAGES();
  EXPECT_TRUE(SamePlanes(cube * -1, Of({{2, 2, 2}, {0, 0, 0}})));  // planes past the centre
  EXPECT_MESSAGES(kNegative);
  EXPECT_EQ((GClipVolume{} * 2).m_count, 0);
  EXPECT_MESSAGES("GClipVolume: can't multiple by scalar when count=0");
}

// "/" by almost zero scales by 1e30, "/=" by 1/DBL_EPSILON.
TEST_F(ClipVolumeTest, DivisionsDifferForZero) {
  const GClipVolume cube = Of({{0, 0, 0}, {2, 2, 2}});
  EXPECT_EQ((cube / 0.0).m_planes[1][3], 1e30);
  EXPECT_MESSAGES("GClipVolume: scalar < tolerance");
  GClipVolume v = cube;
  v /= 0.0;
  EXPECT_EQ(v.m_planes[1][3], 1 / kEps - 1);
  EXPECT_MESSAGES("GClipVolume: trying to divide by number < GSMALLRELTO1");
  v /= -1;
  EXPECT_MESSAGES("GClipVolume: trying to divide by number < GSMALLRELTO1",
                  "GClipVolume: scalar < tolerance", kNegative);
}

// A zero normal holds everything (d >= 0) or nothing, and survives every
// operation; a count above 6 is read as 6.
TEST_F(ClipVolumeTest, ZeroNormalsAndOversizedCounts) {
  GClipVolume v = Of({{0, 0, 0}, {2, 2, 2}});
  v.m_count = 200;
  EXPECT_TRUE(IsBox(ClipVolumeRange(v), {{0, 0, 0}, {2, 2, 2}}));
  EXPECT_TRUE((v + GVector{0, 0, 0}).m_count == 6 && (v * 2.0).m_count == 6);
  const double none[] = {0, 0, 0, -1, 1, 0, 0, 0};
  const double all[] = {0, 0, 0, 1, 1, 0, 0, 0};
  EXPECT_EQ(Inside(BuildClipVolume(2, none), {1, 0, 0}), 0);
  EXPECT_EQ(Inside(BuildClipVolume(2, all), {1, 0, 0}), 1);
  EXPECT_FALSE((BuildClipVolume(2, none) && GBox{{0, 0, 0}, {1, 1, 1}}));
  const GClipVolume moved = BuildClipVolume(2, none) * 3.0 + GVector{1, 1, 1};
  EXPECT_TRUE(SamePlanes(moved * ScaleTransf(2), {{{0, 0, 0, -2}, {1, 0, 0, -2}}, 2}));
}

}  // namespace
