#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "properties/property_test.h"
#include "textio/text_file.h"

namespace {

using namespace gmath::test;

using TextProperties = GmathTest;

// A double that a dump carries exactly: the nearest to a decimal of the
// printed digits, so the printed text, no farther from it than that
// decimal, reads back as the same double. Any magnitude, subnormals
// included; fixed notation (the radius) takes a modest one.
double Printable(Random& random, bool fixed = false) {
  char text[64];
  if (fixed) {
    std::snprintf(text, sizeof text, "%.15f", random.Uniform(-1000, 1000));
  } else {
    std::snprintf(text, sizeof text, "%.15e",
                  random.Uniform(-1, 1) * std::pow(10.0, random.Uniform(-320, 300)));
  }
  double value = 0;
  std::sscanf(text, "%lf", &value);  // the readers' own scanner
  return value;
}

// A value of doubles alone, each printable.
template <class T>
T Drawn(Random& random) {
  double numbers[sizeof(T) / sizeof(double)];
  for (double& d : numbers) d = Printable(random);
  T value;
  std::memcpy(&value, numbers, sizeof value);
  return value;
}

GBoreLine DrawnBoreLine(Random& random) {
  GBoreLine bore = Drawn<GBoreLine>(random);
  bore.m_radius = Printable(random, true);
  return bore;
}

template <class T>
T WithFlags(T t, Random& random) {
  t.m_hasRotation = static_cast<unsigned char>(random.Uniform(0, 256));
  t.m_hasReflection = static_cast<unsigned char>(random.Uniform(0, 256));
  t.m_hasShear = static_cast<unsigned char>(random.Uniform(0, 256));
  return t;
}

// The reader takes the numbers of a dump without its labels and point
// indices; a G4x4 dump reads as it is.
template <class T>
T PrintedAndRead(const T& value) {
  TextFile printed;
  long err = -1;
  GPrint_to_File(printed.get(), value, &err);
  EXPECT_EQ(err, 0);
  std::istringstream tokens(printed.All());
  std::string numbers;
  for (std::string token; tokens >> token;) {
    char* end = nullptr;
    std::strtod(token.c_str(), &end);
    if (*end == '\0') numbers += token + "\n";
  }
  TextFile input(std::is_same_v<T, G4x4> ? printed.All() : numbers);
  T read = value;
  std::memset(static_cast<void*>(&read), 0xAB, sizeof read);
  if constexpr (std::is_same_v<T, GPtFence> || std::is_same_v<T, GRtPrism>) {
    read.m_points = value.m_points + 100;
  } else if constexpr (std::is_same_v<T, GPtFrustum>) {
    read.m_fence.m_points = value.m_fence.m_points + 100;
  }
  GRead_from_File(input.get(), read, &err);
  EXPECT_EQ(err, 0);
  return read;
}

template <class T>
bool SameAfterText(const T& value) {
  return SameBits(PrintedAndRead(value), value);
}

// Everything but the array pointer, and the points it holds.
bool SameFence(const GPtFence& read, const GPtFence& value) {
  return read.m_count == value.m_count && SameBits(read.m_direction, value.m_direction) &&
         SameBits(read.m_front, value.m_front) && SameBits(read.m_back, value.m_back) &&
         SameBits(read.m_points, value.m_points, value.m_count);
}

TEST_F(TextProperties, PrintThenReadIsBitExact) {
  std::vector<GPosition> room(200);
  ForSeeds("draws of each type", 100, [&room](Random& random) {
    EXPECT_TRUE(SameAfterText(Drawn<GMatrix>(random)));
    EXPECT_TRUE(SameAfterText(Drawn<GBox>(random)));
    EXPECT_TRUE(SameAfterText(Drawn<G4x4>(random)));
    EXPECT_TRUE(SameAfterText(Drawn<GBox2d>(random)));
    EXPECT_TRUE(SameAfterText(Drawn<GMatrix2d>(random)));
    EXPECT_TRUE(SameAfterText(DrawnBoreLine(random)));
    const GBoreCone cone = {DrawnBoreLine(random), Drawn<GPosition>(random)};
    EXPECT_TRUE(SameAfterText(cone));
    const GTransf t = WithFlags(
        BuildTransf(Drawn<GMatrix>(random), Drawn<GVector>(random), Printable(random), 0, 0, 0),
        random);
    EXPECT_TRUE(SameAfterText(t));
    EXPECT_TRUE(
        SameAfterText(WithFlags(BuildTransf2d(Drawn<GMatrix2d>(random), Drawn<GVector2d>(random),
                                              Printable(random), 0, 0, 0),
                                random)));

    const auto count = static_cast<std::uint32_t>(random.Uniform(0, 101));
    for (std::uint32_t i = 0; i < count; ++i) room[i] = Drawn<GPosition>(random);
    const GPtFence fence = {count, room.data(), Drawn<GUnitVector>(random), Printable(random),
                            Printable(random)};
    EXPECT_TRUE(SameFence(PrintedAndRead(fence), fence));
    const GPtFrustum frustum = {fence, Drawn<GPosition>(random)};
    const GPtFrustum readFrustum = PrintedAndRead(frustum);
    EXPECT_TRUE(SameFence(readFrustum.m_fence, fence));
    EXPECT_TRUE(SameBits(readFrustum.m_eyePoint, frustum.m_eyePoint));
    const GRtPrism prism = {t, room.data(), count, Printable(random)};
    const GRtPrism readPrism = PrintedAndRead(prism);
    EXPECT_TRUE(SameBits(readPrism.m_transf, t));
    EXPECT_EQ(readPrism.m_count, count);
    EXPECT_TRUE(SameBits(readPrism.m_points, room.data(), count));
    EXPECT_TRUE(SameBits(readPrism.m_height, prism.m_height));
  });
}

}  // namespace
