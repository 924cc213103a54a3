// Boxes: building, union and intersection, the tolerant containment test,
// the null box, and boxes moved by a transform or cut by a plane.
#include "show.h"

int main() {
  // The bounding box of a few points; the corners need not come sorted.
  GPosition points[] = {{0, 0, 0}, {2, 1, 0}, {1, -1, 3}};
  const GBox a = BuildBox(3, points);
  const GBox b = BuildBox(1, 0, 1, 4, 2, 2);
  ShowBox("a = bounding box of three points:", a);
  ShowBox("b:                               ", b);
  ShowBox("a | b (union):                   ", a | b);
  ShowBox("a & b (intersection):            ", a & b);

  // Boxes that do not meet intersect in the canonical null box.
  const GBox apart = BuildBox(5, 5, 5, 6, 6, 6);
  const GBox none = a & apart;
  std::printf("a & a box far away is null: %s\n", YesNo(none.IsNull()));
  std::printf("and the union skips it: a | null equals a: %s\n", YesNo((a | none).IsEqual(a)));

  // Containment is inclusive and grown by d/sqrt(3), d the distance
  // tolerance (1e-6 unless the caller changes it).
  const double d = GetDistanceTolerance();
  std::printf("a >> its corner (2, 1, 3): %s\n", YesNo(a >> GPosition{2, 1, 3}));
  std::printf("a >> a point d/2 outside: %s\n", YesNo(a >> GPosition{2 + d / 2, 1, 3}));
  std::printf("a >> a point 2d outside: %s\n", YesNo(a >> GPosition{2 + 2 * d, 1, 3}));
  std::printf("a >> (a & b): %s\n", YesNo(a >> (a & b)));

  // Scaling is about the origin; a transform bounds the eight moved corners.
  ShowBox("a * 2:                 ", a * 2.0);
  const GTransf turn = RotateTransf(0.0, 1.0, BuildUnitVector(0, 0, 1));
  ShowBox("a turned a quarter about z:", a * turn);

  // Keep the part where n·p + w > 0, n the normalized (a, b, c): here x > 1.
  GBox cut = a;
  const int left = cut.ClipWPlane(2, 0, 0, -1);
  std::printf("a cut by x > 1: something left %s,", YesNo(left));
  ShowBox("", cut);
  return 0;
}
