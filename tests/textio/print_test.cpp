#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "gmath/gmath.h"
#include "support/gmath_test.h"
#include "textio/text_file.h"

namespace {

using gmath::test::AsPrintedHere;
using gmath::test::TextFile;
using PrintTest = gmath::test::GmathTest;

template <class T>
std::string Dump(const T& value, long* err) {
  TextFile file;
  GPrint_to_File(file.get(), value, err);
  return file.All();
}

// The same text whether or not a code is asked for.
template <class T>
void ExpectDump(const T& value, const std::string& expected) {
  long err = -1;
  EXPECT_EQ(Dump(value, &err), AsPrintedHere(expected));
  EXPECT_EQ(err, 0);
  EXPECT_EQ(Dump(value, nullptr), AsPrintedHere(expected));
}

const GMatrix kMatrix{{{1, -2.5, 1e30}, {0, 3.25e-7, -1e-300}, {0.1, -0.0, 6.5e23}}};
const std::string kMatrixDump =
    "GMatrix (in rows):\n"
    " 1.000000000000000e+00 -2.500000000000000e+00 1.000000000000000e+30\n"
    " 0.000000000000000e+00 3.250000000000000e-07 -1.000000000000000e-300\n"
    " 1.000000000000000e-01 -0.000000000000000e+00 6.500000000000000e+23\n";
// A flag prints zero-extended: 255, not a sign-extended 65535.
const GTransf kTransf{kMatrix, {1.5, -2, 0.25}, 2, 1, 0, 255};
const std::string kTransfDump = "GTransf:\n" + kMatrixDump +
                                " translation: 1.500000000000000e+00 -2.000000000000000e+00 "
                                "2.500000000000000e-01\n"
                                " scaling: 2.000000000000000e+00\n"
                                " hasRot: 1\n"
                                " hasRef: 0\n"
                                " hasShe: 255\n";

// The prism's dump nests the transform's, which nests the matrix's.
TEST_F(PrintTest, PrismTransformAndMatrix) {
  GPosition points[] = {{0, 0, 0}, {2, 0, 0}, {0, 2, 0}};
  ExpectDump(GRtPrism{kTransf, points, 3, 2.5},
             "GRtPrism:\n" + kTransfDump +
                 " number of points: 3\n"
                 " [0] 0.000000000000000e+00 0.000000000000000e+00 0.000000000000000e+00\n"
                 " [1] 2.000000000000000e+00 0.000000000000000e+00 0.000000000000000e+00\n"
                 " [2] 0.000000000000000e+00 2.000000000000000e+00 0.000000000000000e+00\n"
                 " height: 2.500000000000000e+00\n");
  ExpectDump(kTransf, kTransfDump);
  ExpectDump(kMatrix, kMatrixDump);
}

TEST_F(PrintTest, G4x4PrintsItsNumbersInReadOrderThenTheLegend) {
  G4x4 g{};
  for (int i = 0; i < 16; ++i) g.m_matrix[i] = i;
  ExpectDump(g,
             "0.000000000000000e+00\n1.000000000000000e+00\n2.000000000000000e+00\n"
             "\n4.000000000000000e+00\n5.000000000000000e+00\n6.000000000000000e+00\n"
             "\n8.000000000000000e+00\n9.000000000000000e+00\n1.000000000000000e+01\n"
             "\n1.200000000000000e+01\n1.300000000000000e+01\n1.400000000000000e+01\n"
             "\n 3.000000000000000e+00\n 7.000000000000000e+00\n 1.100000000000000e+01\n"
             " 1.500000000000000e+01\n"
             "G4x4: Rotation, Translation, extras\n"
             "Rotation: 0 1 2, 4 5 6, 8 9 10\n"
             "Translation: 12 13 14\n"
             "Extras(perspective): 3 7 11 15\n");
}

TEST_F(PrintTest, BoxesAndPlanarValues) {
  ExpectDump(GBox{{-1, -2, -3}, {1e30, 0.5, 7}},
             "GBox:\n"
             " low:  -1.000000000000000e+00 -2.000000000000000e+00 -3.000000000000000e+00\n"
             " high: 1.000000000000000e+30 5.000000000000000e-01 7.000000000000000e+00\n");
  ExpectDump(GBox2d{{-0.5, 1}, {2, 3e-5}},
             "GBox2d:\n"
             " low:  -5.000000000000000e-01 1.000000000000000e+00\n"
             " high: 2.000000000000000e+00 3.000000000000000e-05\n");
  const std::string matrixDump =
      "GMatrix2d (in rows):\n"
      " 0.000000000000000e+00 -1.000000000000000e+00\n"
      " 1.000000000000000e+00 0.000000000000000e+00\n";
  ExpectDump(GMatrix2d{{{0, -1}, {1, 0}}}, matrixDump);
  ExpectDump(GTransf2d{{{{0, -1}, {1, 0}}}, {4, -4}, 0.25, 1, 0, 1},
             "GTransf2d:\n" + matrixDump +
                 " translation: 4.000000000000000e+00 -4.000000000000000e+00\n"
                 " scaling: 2.500000000000000e-01\n"
                 " hasRot: 1\n"
                 " hasRef: 0\n"
                 " hasShe: 1\n");
}

// The radius alone is in fixed notation; front and back are spaced apart
// from the fence's labels.
TEST_F(PrintTest, BoreConeNestsItsBoreLine) {
  const GBoreCone cone{{{1, 2, 3}, {0, 0, 1}, 1e30, -1e30, 0.5}, {0, 0, -10}};
  ExpectDump(cone,
             "GBoreCone:\n"
             "GBoreLine:\n"
             " point: 1.000000000000000e+00 2.000000000000000e+00 3.000000000000000e+00\n"
             " direction: 0.000000000000000e+00 0.000000000000000e+00 1.000000000000000e+00\n"
             " front:  1.000000000000000e+30\n"
             " back:   -1.000000000000000e+30\n"
             " radius: 0.500000000000000\n"
             " eye point: 0.000000000000000e+00 0.000000000000000e+00 -1.000000000000000e+01\n");
}

TEST_F(PrintTest, FencesListTheirPointsWithIndices) {
  GPosition points[] = {{0, 0, 0}, {1, -1, 0}};
  const GPtFrustum frustum{{2, points, {0, 0, 1}, 2, -3}, {0, 0, 10}};
  ExpectDump(frustum,
             "GPtFrustum:\n"
             "GPtFence:\n"
             " number of points: 2\n"
             " [0] 0.000000000000000e+00 0.000000000000000e+00 0.000000000000000e+00\n"
             " [1] 1.000000000000000e+00 -1.000000000000000e+00 0.000000000000000e+00\n"
             " direction: 0.000000000000000e+00 0.000000000000000e+00 1.000000000000000e+00\n"
             " front: 2.000000000000000e+00\n"
             " back:  -3.000000000000000e+00\n"
             " eye point: 0.000000000000000e+00 0.000000000000000e+00 1.000000000000000e+01\n");
  // No points: the count line says 0 and no point line follows.
  ExpectDump(GPtFence{0, points, {1, 0, 0}, 0.5, 0},
             "GPtFence:\n"
             " number of points: 0\n"
             " direction: 1.000000000000000e+00 0.000000000000000e+00 0.000000000000000e+00\n"
             " front: 5.000000000000000e-01\n"
             " back:  0.000000000000000e+00\n");
}

// A frustum has printed its header before its fence finds no points.
TEST_F(PrintTest, NullPointArrayPrintsNothingWithCodeTwo) {
  long err = -1;
  EXPECT_EQ(Dump(GPtFence{3, nullptr, {0, 0, 1}, 1, 0}, &err), "");
  EXPECT_EQ(err, 2);
  err = -1;
  EXPECT_EQ(Dump(GRtPrism{GTransf{}, nullptr, 3, 1}, &err), "");
  EXPECT_EQ(err, 2);
  err = -1;
  EXPECT_EQ(Dump(GPtFrustum{{3, nullptr, {0, 0, 1}, 1, 0}, {0, 0, 5}}, &err), "GPtFrustum:\n");
  EXPECT_EQ(err, 2);
}

TEST_F(PrintTest, NullOrRefusingStreamGivesCodeTwo) {
  long err = -1;
  GPrint_to_File(nullptr, kMatrix, &err);
  EXPECT_EQ(err, 2);

  std::fclose(std::fopen("empty.txt", "w"));
  FILE* readOnly = std::fopen("empty.txt", "r");
  ASSERT_NE(readOnly, nullptr);
  err = -1;
  GPrint_to_File(readOnly, GBox{}, &err);
  EXPECT_EQ(err, 2);
  std::fclose(readOnly);
}

// A device that refuses every write: unbuffered, the first line fails;
// buffered, a dump larger than the buffer reaches the device while printing
// (a smaller one may fail only at the caller's flush).
TEST_F(PrintTest, FullDeviceGivesCodeTwoOnceAWriteReachesIt) {
  FILE* full = std::fopen("/dev/full", "w");
  if (full == nullptr) GTEST_SKIP() << "no /dev/full on this system";
  constexpr std::uint32_t kPoints = 600;  // some 43 kB of text, beyond any stdio buffer
  std::vector<GPosition> points(kPoints, GPosition{1, 2, 3});
  const GPtFence fence{kPoints, points.data(), {0, 0, 1}, 1, 0};
  long err = -1;
  GPrint_to_File(full, fence, &err);
  EXPECT_EQ(err, 2);
  std::fclose(full);

  full = std::fopen("/dev/full", "w");
  ASSERT_NE(full, nullptr);
  std::setvbuf(full, nullptr, _IONBF, 0);
  GPrint_to_File(full, kTransf, &err);
  EXPECT_EQ(err, 2);
  std::string text = "lost";
  invld(full, text.data(), 1);
  std::fclose(full);
}

}  // namespace
