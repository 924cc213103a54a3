#include "export/ring.h"

#include <cmath>

Polygon Ring(const GPosition& centre, const GUnitVector& direction, double radius) {
  if (!(radius > 0.0)) return {centre};
  const GPosition d = AsPoint(direction);
  const GPosition u = AsPoint(GetPerpVector(direction));
  const GPosition w = Cross(d, u);
  const double pi = std::acos(-1.0);
  Polygon ring;
  for (int i = 0; i < kRingCorners; ++i) {
    const double angle = 2.0 * pi * i / kRingCorners;
    ring.push_back(
        Plus(centre, Plus(Times(radius * std::cos(angle), u), Times(radius * std::sin(angle), w))));
  }
  return ring;
}
