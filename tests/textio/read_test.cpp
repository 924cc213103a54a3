#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "gmath/gmath.h"
#include "support/gmath_test.h"
#include "support/matchers.h"
#include "textio/text_file.h"

namespace {

using gmath::test::SameBits;
using gmath::test::TextFile;
using ReadTest = gmath::test::GmathTest;

// What a field holds before a read; no input below contains it.
constexpr double kOld = -7.0;

// Finite doubles of every magnitude, subnormals included, from random bit
// patterns with a fixed seed.
std::vector<double> AnyNumbers(std::size_t count, unsigned seed) {
  std::mt19937_64 generator(seed);
  std::vector<double> numbers;
  while (numbers.size() < count) {
    const std::uint64_t bits = generator();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (std::isfinite(d)) numbers.push_back(d);
  }
  return numbers;
}

// Seventeen significant digits carry every double exactly, unlike the
// sixteen of the dump.
std::string Bare(const std::vector<double>& numbers) {
  std::string text;
  char buffer[40];
  for (double d : numbers) {
    std::snprintf(buffer, sizeof buffer, "%.17g\n", d);
    text += buffer;
  }
  return text;
}

template <class T>
long Read(const std::string& text, T& value) {
  TextFile file(text);
  long err = -1;
  GRead_from_File(file.get(), value, &err);
  return err;
}

// Sets every byte, padding included, to 0xAB.
template <class T>
void Fill(T& value) {
  std::memset(static_cast<void*>(&value), 0xAB, sizeof value);
}

// A flag keeps the low byte of the number read and writes nothing past it.
TEST_F(ReadTest, TransformsReadFlagsIntoTheirByteAlone) {
  const std::vector<double> numbers = AnyNumbers(13, 7);
  GTransf t;
  Fill(t);
  EXPECT_EQ(Read(Bare(numbers) + "1 0 258", t), 0);
  EXPECT_EQ(std::memcmp(&t, numbers.data(), 13 * sizeof(double)), 0);
  EXPECT_EQ(t.m_hasRotation, 1);
  EXPECT_EQ(t.m_hasReflection, 0);
  EXPECT_EQ(t.m_hasShear, 2);
  const auto* bytes = reinterpret_cast<const unsigned char*>(&t);
  for (std::size_t i = offsetof(GTransf, m_hasShear) + 1; i < sizeof t; ++i) {
    EXPECT_EQ(bytes[i], 0xAB) << i;
  }
}

// The dump of a G4x4 starts with its sixteen numbers in read order; the
// legend stays in the stream.
TEST_F(ReadTest, G4x4DumpReadsBack) {
  G4x4 printed;
  for (int i = 0; i < 16; ++i) printed.m_matrix[i] = (i - 5) * 0.375;
  TextFile file;
  long err = -1;
  GPrint_to_File(file.get(), printed, &err);
  std::rewind(file.get());
  G4x4 read;
  Fill(read);
  GRead_from_File(file.get(), read, &err);
  EXPECT_EQ(err, 0);
  EXPECT_TRUE(SameBits(read, printed));
  EXPECT_EQ(file.Rest(),
            "\nG4x4: Rotation, Translation, extras\n"
            "Rotation: 0 1 2, 4 5 6, 8 9 10\n"
            "Translation: 12 13 14\n"
            "Extras(perspective): 3 7 11 15\n");
}

// No point or a hundred are read; above that nothing after the count is read:
// the points and the fields after them keep their values, and the first
// point is still in the stream. A count wider than 32 bits is refused and
// stored saturated rather than wrapped.
TEST_F(ReadTest, CountAboveAHundredGivesCodeOne) {
  std::vector<GPosition> points(101, GPosition{kOld, kOld, kOld});
  GPtFence fence{7, points.data(), {kOld, kOld, kOld}, kOld, kOld};
  EXPECT_EQ(Read("0  0 1 0  1 -1", fence), 0);
  EXPECT_EQ(fence.m_count, 0u);
  EXPECT_EQ(points[0].m_x, kOld);
  EXPECT_EQ(fence.m_direction.m_y, 1);
  EXPECT_EQ(Read("100 " + Bare(std::vector<double>(300, 0.5)) + "0 0 1  1 -1", fence), 0);
  EXPECT_EQ(fence.m_count, 100u);
  EXPECT_EQ(points[99].m_z, 0.5);
  EXPECT_EQ(points[100].m_x, kOld);
  EXPECT_EQ(fence.m_back, -1);

  fence.m_back = kOld;
  TextFile file("101 1 2 3");
  long err = -1;
  GRead_from_File(file.get(), fence, &err);
  EXPECT_EQ(err, 1);
  EXPECT_EQ(fence.m_count, 101u);
  EXPECT_EQ(points[0].m_x, 0.5);
  EXPECT_EQ(fence.m_back, kOld);
  EXPECT_EQ(file.Rest(), " 1 2 3");

  GRtPrism prism{{}, points.data(), 1, kOld};
  EXPECT_EQ(Read("1 0 0 0 1 0 0 0 1 0 0 0 1 1 0 0 4294967301 1 2 3", prism), 1);
  EXPECT_EQ(prism.m_transf.m_matrix.m_matrix[2][2], 1);
  EXPECT_EQ(prism.m_count, UINT32_MAX);
  EXPECT_EQ(points[0].m_x, 0.5);
  EXPECT_EQ(prism.m_height, kOld);
}

TEST_F(ReadTest, NullPointArrayReadsNothing) {
  const std::string text = "2 1 2 3 4 5 6 0 0 1 1 0";
  GPtFrustum frustum{{9, nullptr, {kOld, kOld, kOld}, kOld, kOld}, {kOld, kOld, kOld}};
  GRtPrism prism{{}, nullptr, 9, kOld};
  prism.m_transf.m_scaling = kOld;
  EXPECT_EQ(Read(text, frustum.m_fence), 2);
  EXPECT_EQ(Read(text, frustum), 2);
  EXPECT_EQ(Read(text, prism), 2);
  EXPECT_EQ(frustum.m_fence.m_count, 9u);
  EXPECT_EQ(frustum.m_eyePoint.m_x, kOld);
  EXPECT_EQ(prism.m_count, 9u);
  EXPECT_EQ(prism.m_transf.m_scaling, kOld);
}

// A field that cannot be read ends the read with code 2: the fields before
// it hold what was read, the fields from it on keep their values.
TEST_F(ReadTest, UnreadableFieldStopsTheReadWithCodeTwo) {
  GMatrix m{{{kOld, kOld, kOld}, {kOld, kOld, kOld}, {kOld, kOld, kOld}}};
  EXPECT_EQ(Read("1 2 3\n4\n", m), 2);
  EXPECT_EQ(m.m_matrix[1][0], 4);
  EXPECT_EQ(m.m_matrix[1][1], kOld);
  EXPECT_EQ(m.m_matrix[2][2], kOld);

  GTransf t;
  Fill(t);
  EXPECT_EQ(Read(Bare(std::vector<double>(13, 1.0)) + "1 0 x", t), 2);
  EXPECT_EQ(t.m_scaling, 1);
  EXPECT_EQ(t.m_hasReflection, 0);
  EXPECT_EQ(t.m_hasShear, 0xAB);

  // A dump other than a G4x4's starts with its label.
  GBox box{{kOld, kOld, kOld}, {kOld, kOld, kOld}};
  EXPECT_EQ(Read("GBox:\n low:  1.000000000000000e+00 2 3\n", box), 2);
  EXPECT_EQ(box.m_low.m_x, kOld);

  GPosition points[2] = {{kOld, kOld, kOld}, {kOld, kOld, kOld}};
  GPtFence fence{0, points, {kOld, kOld, kOld}, kOld, kOld};
  EXPECT_EQ(Read("2 1 2 3 4 5", fence), 2);
  EXPECT_EQ(fence.m_count, 2u);
  EXPECT_EQ(points[1].m_y, 5);
  EXPECT_EQ(points[1].m_z, kOld);
}

TEST_F(ReadTest, NullStreamGivesCodeTwoAndNullCodeIsAllowed) {
  GBox2d box{{kOld, kOld}, {kOld, kOld}};
  long err = -1;
  GRead_from_File(nullptr, box, &err);
  EXPECT_EQ(err, 2);
  EXPECT_EQ(box.m_low.m_x, kOld);

  TextFile file("1 2 3 4");
  GRead_from_File(file.get(), box, nullptr);
  EXPECT_EQ(box.m_high.m_y, 4);
}

}  // namespace
