#ifndef GMATH_TESTS_ROBUSTNESS_BAD_INPUT_H
#define GMATH_TESTS_ROBUSTNESS_BAD_INPUT_H

#include <vector>

#include "core3d/core3d_test.h"

namespace gmath::test {

// A bad double spoils every double of each argument, or only the first one
// of an otherwise valid argument.
enum class Spread { kEvery, kFirst };

// Null and infinite boxes come with valid other arguments.
enum class BoxKind { kSpoilt, kNull, kInfinite };

struct BadCase {
  double value;
  Spread spread;
  BoxKind box;
};

// Every argument a call may take, made from one bad case, with a count (or
// index) and a point array that may be null. Outputs have room of their own.
struct Bad {
  Bad(const BadCase& c, unsigned count, bool nullArray);

  double d;
  unsigned n;
  GPosition p, q;
  GVector v, w;
  GUnitVector u;
  GMatrix m;
  GTransf t;
  G4x4 g;
  GBox box;
  GPosition2d p2, q2;
  GVector2d v2, w2;
  GUnitVector2d u2;
  GMatrix2d m2;
  GTransf2d t2;
  GBox2d box2;
  GBoreLine bore;
  GBoreCone cone;
  GClipVolume clip;
  double numbers[32];
  GPosition points[9], planePoints[9];
  GUnitVector planeNormals[9];
  GPosition2d points2[9];
  GPosition* pts;  // points, or null
  GPtFence fence;
  GPtFrustum frustum;
  GRtPrism prism;

  // Outputs.
  long err = -1;
  int flag = -1;
  double x = 0, y = 0, z = 0;
  GPosition pOut{};
  GMatrix mOut{};
  GMatrix2d m2Out{};
  GTransf tOut{};
  GTransf2d t2Out{};
  G4x4 gOut{};
  GBoreCone coneOut{};
  GClipVolume clipOut{};
  GPosition outPoints[9]{}, frustumPoints[9]{}, prismPoints[9]{};
  GPtFence fenceOut{0, outPoints, {}, 0, 0};
  GPtFrustum frustumOut{{0, frustumPoints, {}, 0, 0}, {}};
  GRtPrism prismOut{{}, prismPoints, 0, 0};
};

// One or more library functions called on the arguments of a bad case.
using BadCall = void (*)(Bad& b);

// A call whose result, if any, is dropped.
#define BAD_CALL(call) [](Bad& b) { static_cast<void>(call); }

// A row of the sweep: each call is made once per bad case, or once per
// count 0 to 3 (`counted`), each also with a null point array
// (`withNullArray`), on arguments of its own: no call meets what an
// earlier one left behind. A call covers `functionsPerCall` functions.
struct BadInputRow {
  const char* name;
  std::vector<BadCall> calls;
  bool counted = false;
  bool withNullArray = false;
  int functionsPerCall = 1;
};

// Makes every call of every row with every bad case, restoring the
// defaults and dropping the messages after each (their texts are tested
// elsewhere; here only a crash or a sanitizer finding fails). Records per
// row how many times each of its calls was made, and the totals.
class BadInputSweep : public GmathTest {
 protected:
  void Run(const std::vector<BadInputRow>& rows);
};

}  // namespace gmath::test

#endif
