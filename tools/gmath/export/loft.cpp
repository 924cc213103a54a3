#include "export/loft.h"

std::vector<Polygon> LoftFaces(const Polygon& bottom, const Polygon& top) {
  const std::size_t n = bottom.size();
  if (n == 1) return {{bottom[0], top[0]}};
  std::vector<Polygon> faces = {Polygon(bottom.rbegin(), bottom.rend()), top};
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t j = (i + 1) % n;
    faces.push_back({bottom[i], bottom[j], top[j], top[i]});
  }
  return faces;
}

Polygon Moved(const Polygon& polygon, double depth, const GUnitVector& direction) {
  Polygon moved;
  for (const GPosition& p : polygon) moved.push_back(Along(p, depth, direction));
  return moved;
}

Polygon SeenOnPlane(const Polygon& polygon, const GPosition& eye, const GUnitVector& direction,
                    const GPosition& anchor, double depth) {
  const GPosition d = AsPoint(direction);
  const double height = Dot(d, Minus(Along(anchor, depth, direction), eye));
  Polygon seen;
  for (const GPosition& p : polygon) {
    const GPosition ray = Minus(p, eye);
    seen.push_back(Plus(eye, Times(height / Dot(d, ray), ray)));
  }
  return seen;
}
