#include "floor.h"

#include <sys/stat.h>

#include <cfloat>
#include <cmath>
#include <utility>

// GCC's noipa also keeps link-time optimisation from specialising a floor
// for its caller's arguments.
#if defined(__clang__)
#define OUT_OF_LINE __attribute__((noinline))
#else
#define OUT_OF_LINE __attribute__((noipa))
#endif

namespace bench::floor {
namespace {

// The default tolerances, as constants: the floor reads nothing.
constexpr double kResabs = 1e-6;
constexpr double kResnor = 1e-10;
constexpr double kBand = 50.0 * DBL_EPSILON;

using Matrix = double[3][3];

GUnitVector Unit(double x, double y, double z) {
  const double s = x * x + y * y + z * z;
  if (s >= 1.0 - kBand && s <= 1.0 + kBand) return {x, y, z};
  const double length = std::sqrt(s);
  if (length <= kBand || length == 0.0 || std::isnan(s)) return {0.0, 0.0, 0.0};
  const double f = 1.0 / length;
  return {f * x, f * y, f * z};
}

template <class V>
GVector RowTimes(const V& v, const Matrix& m) {
  return {v.m_x * m[0][0] + v.m_y * m[1][0] + v.m_z * m[2][0],
          v.m_x * m[0][1] + v.m_y * m[1][1] + v.m_z * m[2][1],
          v.m_x * m[0][2] + v.m_y * m[1][2] + v.m_z * m[2][2]};
}

void Product(const Matrix& a, const Matrix& b, Matrix& c) {
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) c[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
  }
}

GTransf Composed(const GTransf& a, const GTransf& b) {
  GTransf p;
  Product(a.m_matrix.m_matrix, b.m_matrix.m_matrix, p.m_matrix.m_matrix);
  const GVector moved = RowTimes(a.m_translation, b.m_matrix.m_matrix);
  p.m_translation = {moved.m_x * b.m_scaling + b.m_translation.m_x,
                     moved.m_y * b.m_scaling + b.m_translation.m_y,
                     moved.m_z * b.m_scaling + b.m_translation.m_z};
  p.m_scaling = a.m_scaling * b.m_scaling;
  const bool aRot = a.m_hasRotation != 0, bRot = b.m_hasRotation != 0;
  const bool aRef = a.m_hasReflection != 0, bRef = b.m_hasReflection != 0;
  p.m_hasRotation = (aRot && bRot) || (aRef && bRef);
  p.m_hasReflection = (aRef && bRot) || (aRot && bRef);
  p.m_hasShear = a.m_hasShear != 0 || b.m_hasShear != 0;
  return p;
}

// The cyclic Jacobi method on the upper triangle of a symmetric 3x3 matrix:
// eigenvalues only, descending.
void Rotate(double (&a)[3][3], double* d, double* z, int p, int q, double g) {
  const double apq = a[p][q];
  double h = d[q] - d[p];
  double t;
  if (std::abs(h) + g == std::abs(h)) {
    t = apq / h;
  } else {
    const double theta = 0.5 * h / apq;
    t = 1.0 / (std::abs(theta) + std::sqrt(theta * theta + 1.0));
    if (theta < 0.0) t = -t;
  }
  const double c = 1.0 / std::sqrt(t * t + 1.0);
  const double s = t * c;
  const double tau = s / (1.0 + c);
  h = t * apq;
  z[p] -= h;
  z[q] += h;
  d[p] -= h;
  d[q] += h;
  a[p][q] = 0.0;
  auto rotate = [s, tau](double& x, double& y) {
    const double gx = x, hy = y;
    x = gx - s * (hy + gx * tau);
    y = hy + s * (gx - hy * tau);
  };
  for (int j = 0; j < p; ++j) rotate(a[j][p], a[j][q]);
  for (int j = p + 1; j < q; ++j) rotate(a[p][j], a[j][q]);
  for (int j = q + 1; j < 3; ++j) rotate(a[p][j], a[q][j]);
}

void Eigenvalues(const Matrix& m, double* d) {
  double a[3][3], b[3], z[3];
  double diagonal = 0.0;
  for (int i = 0; i < 3; ++i) {
    for (int j = i; j < 3; ++j) a[i][j] = m[i][j];
    d[i] = b[i] = a[i][i];
    z[i] = 0.0;
    diagonal += std::abs(a[i][i]);
  }
  const double tol = 10.0 * 3 * diagonal * DBL_EPSILON;
  for (int sweep = 0; sweep < 50; ++sweep) {
    const double sum = 0.0 + std::abs(a[0][1]) + std::abs(a[0][2]) + std::abs(a[1][2]);
    if (!(sum > tol)) break;
    const double threshold = sweep < 4 ? sum * (0.2 / 9) : 1e-50;
    for (int p = 0; p < 2; ++p) {
      for (int q = p + 1; q < 3; ++q) {
        const double g = 100.0 * std::abs(a[p][q]);
        if (sweep >= 5 && std::abs(d[p] + g) == std::abs(d[p]) &&
            std::abs(d[q] + g) == std::abs(d[q])) {
          a[p][q] = 0.0;
        } else if (std::abs(a[p][q]) > threshold) {
          Rotate(a, d, z, p, q, g);
        }
      }
    }
    for (int i = 0; i < 3; ++i) {
      b[i] += z[i];
      d[i] = b[i];
      z[i] = 0.0;
    }
  }
  for (int i = 0; i < 2; ++i) {
    int k = i;
    for (int j = i + 1; j < 3; ++j) {
      if (d[j] >= d[k]) k = j;
    }
    std::swap(d[i], d[k]);
  }
}

// MᵀM, its eigenvalues, the singular values against their mean.
int Ortho(const Matrix& m, double* scale) {
  *scale = DBL_MAX;
  Matrix gram;
  for (int i = 0; i < 3; ++i) {
    for (int j = i; j < 3; ++j)
      gram[i][j] = 0.0 + m[0][i] * m[0][j] + m[1][i] * m[1][j] + m[2][i] * m[2][j];
  }
  double values[3];
  Eigenvalues(gram, values);
  double sum = 0.0;
  for (double& value : values) {
    if (!(value > 0.0)) return 0;
    value = std::sqrt(value);
    sum += value;
  }
  const double mean = sum / 3;
  *scale = mean;
  for (double value : values) {
    if (std::abs(value / mean - 1.0) > kResnor) return 0;
  }
  return 1;
}

bool Exceeds(double value, double tol) { return !(std::abs(value) <= tol); }

GPosition Plus(const GPosition& p, const GVector& v) {
  return {p.m_x + v.m_x, p.m_y + v.m_y, p.m_z + v.m_z};
}

GPosition Along(const GPosition& p, double t, const GUnitVector& d) {
  return {p.m_x + t * d.m_x, p.m_y + t * d.m_y, p.m_z + t * d.m_z};
}

void Widen(double c, double& low, double& high) {
  if (c < low) {
    low = c;
  } else if (c > high) {
    high = c;
  }
}

GBox Bound(std::size_t count, const GPosition* p) {
  GBox box = {p[0], p[0]};
  for (std::size_t i = 1; i < count; ++i) {
    Widen(p[i].m_x, box.m_low.m_x, box.m_high.m_x);
    Widen(p[i].m_y, box.m_low.m_y, box.m_high.m_y);
    Widen(p[i].m_z, box.m_low.m_z, box.m_high.m_z);
  }
  return box;
}

// A stored plane normalized, as its unit normal, foot point and level.
struct Plane {
  GUnitVector n;
  GPosition q;
  double d;
  bool level;
};

Plane PlaneOf(const double* stored) {
  double p[4] = {stored[0], stored[1], stored[2], stored[3]};
  double s2 = p[0] * p[0] + p[1] * p[1] + p[2] * p[2];
  if (s2 != 0.0 && std::abs(s2 - 1.0) > DBL_EPSILON) {
    const double length = std::sqrt(s2);
    for (double& c : p) c = c / length;
    s2 = p[0] * p[0] + p[1] * p[1] + p[2] * p[2];
  }
  if (s2 == 0.0) return {{0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}, p[3], true};
  const GUnitVector n = Unit(p[0], p[1], p[2]);
  return {n, {-p[3] * n.m_x, -p[3] * n.m_y, -p[3] * n.m_z}, p[3], false};
}

double Distance(const Plane& plane, const GPosition& x) {
  if (plane.level) return plane.d;
  return (x.m_x - plane.q.m_x) * plane.n.m_x + (x.m_y - plane.q.m_y) * plane.n.m_y +
         (x.m_z - plane.q.m_z) * plane.n.m_z;
}

GVector Cross(const GVector& a, const GVector& b) {
  return {a.m_y * b.m_z - a.m_z * b.m_y, a.m_z * b.m_x - a.m_x * b.m_z,
          a.m_x * b.m_y - a.m_y * b.m_x};
}

GVector Minus(const GPosition& a, const GPosition& b) {
  return {a.m_x - b.m_x, a.m_y - b.m_y, a.m_z - b.m_z};
}

double Dot(const GVector& a, const GVector& b) {
  return a.m_x * b.m_x + a.m_y * b.m_y + a.m_z * b.m_z;
}

GVector AsVector(const GUnitVector& u) { return {u.m_x, u.m_y, u.m_z}; }

// Where gmath reports; the inputs never get here.
OUT_OF_LINE void NotInvertible() {}

}  // namespace

OUT_OF_LINE GUnitVector UnitVector(double x, double y, double z) { return Unit(x, y, z); }

OUT_OF_LINE void MovePosition(GPosition& p, const GTransf& t) {
  const GVector v = RowTimes(p, t.m_matrix.m_matrix);
  const double s = t.m_scaling;
  p = {v.m_x * s + t.m_translation.m_x, v.m_y * s + t.m_translation.m_y,
       v.m_z * s + t.m_translation.m_z};
}

OUT_OF_LINE GTransf Compose(const GTransf& a, const GTransf& b) { return Composed(a, b); }

OUT_OF_LINE GTransf Inverse(const GTransf& t) {
  double scale = 0.0;
  if (!(std::abs(t.m_scaling) >= DBL_EPSILON && Ortho(t.m_matrix.m_matrix, &scale) == 1 &&
        std::abs(scale - 1.0) <= kResnor)) {
    NotInvertible();
  }
  const GVector& v = t.m_translation;
  const GTransf untranslate = {
      {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}, {-v.m_x, -v.m_y, -v.m_z}, 1.0, 1, 0, 0};
  GTransf unmap = {
      {}, {0.0, 0.0, 0.0}, 1.0 / t.m_scaling, t.m_hasRotation, t.m_hasReflection, t.m_hasShear};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) unmap.m_matrix.m_matrix[i][j] = t.m_matrix.m_matrix[j][i];
  }
  return Composed(untranslate, unmap);
}

OUT_OF_LINE GBox MoveBox(const GBox& box, const GTransf& t) {
  const double s = t.m_scaling;
  const GPosition& a = s > 0.0 ? box.m_low : box.m_high;
  const GPosition& b = s > 0.0 ? box.m_high : box.m_low;
  const GPosition l = {a.m_x * s, a.m_y * s, a.m_z * s};
  const GPosition h = {b.m_x * s, b.m_y * s, b.m_z * s};
  const Matrix& m = t.m_matrix.m_matrix;
  for (int i = 0; i < 3; ++i) {  // the identity's shortcut, not taken here
    for (int j = 0; j < 3; ++j) {
      if (std::abs(m[i][j] - (i == j ? 1.0 : 0.0)) > kResnor) goto mapped;
    }
  }
  return {Plus(l, t.m_translation), Plus(h, t.m_translation)};
mapped:
  GPosition c[8] = {{l.m_x, l.m_y, l.m_z}, {h.m_x, l.m_y, l.m_z}, {h.m_x, h.m_y, l.m_z},
                    {l.m_x, h.m_y, l.m_z}, {l.m_x, l.m_y, h.m_z}, {h.m_x, l.m_y, h.m_z},
                    {h.m_x, h.m_y, h.m_z}, {l.m_x, h.m_y, h.m_z}};
  for (GPosition& p : c) {
    const GVector v = RowTimes(p, m);
    p = {v.m_x, v.m_y, v.m_z};
  }
  const GBox bound = Bound(8, c);
  return {Plus(bound.m_low, t.m_translation), Plus(bound.m_high, t.m_translation)};
}

// Gauss-Jordan on [A | I] with complete pivoting; a regular matrix only.
OUT_OF_LINE G4x4 Inverse(const G4x4& g) {
  double a[4][8];
  int column[4];
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      a[r][c] = g.m_matrix[4 * r + c];
      a[r][4 + c] = r == c ? 1.0 : 0.0;
    }
  }
  for (int k = 0; k < 4; ++k) {
    double best = 0.0;
    int row = k, col = 0;
    for (int r = k; r < 4; ++r) {
      for (int c = 0; c < 4; ++c) {
        if (std::abs(a[r][c]) > best) {
          best = std::abs(a[r][c]);
          row = r;
          col = c;
        }
      }
    }
    if (row != k) std::swap(a[row], a[k]);
    const double pivot = a[k][col];
    for (double& entry : a[k]) entry = entry / pivot;
    for (int j = 0; j < 4; ++j) {
      if (j == k) continue;
      const double factor = a[j][col];
      for (int c = 0; c < 8; ++c) a[j][c] = a[j][c] - factor * a[k][c];
    }
    column[k] = col;
  }
  G4x4 inverse;
  for (int k = 0; k < 4; ++k) {
    for (int c = 0; c < 4; ++c) inverse.m_matrix[4 * column[k] + c] = a[k][4 + c];
  }
  return inverse;
}

OUT_OF_LINE int OrthoScale(const GMatrix& m, double* scale) { return Ortho(m.m_matrix, scale); }

OUT_OF_LINE long ToTransf(const G4x4& g, GTransf& t) {
  t = {{}, {0.0, 0.0, 0.0}, 0.0, 0, 0, 0};
  const double* e = g.m_matrix;
  if (Exceeds(e[15] - 1.0, kResnor) || Exceeds(e[3], kResnor) || Exceeds(e[7], kResnor) ||
      Exceeds(e[11], kResnor)) {
    return 2;
  }
  Matrix block = {{e[0], e[1], e[2]}, {e[4], e[5], e[6]}, {e[8], e[9], e[10]}};
  double scale = 0.0;
  if (Ortho(block, &scale) == 0) return 2;
  const double unscale = 1.0 / scale;
  for (auto& row : block) {
    for (double& entry : row) entry = entry * unscale;
  }
  // One Newton-Schulz step: block + block·(I - blockᵀblock)/2.
  Matrix p, q, o;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      p[i][j] = block[0][i] * block[0][j] + block[1][i] * block[1][j] + block[2][i] * block[2][j];
    }
  }
  bool settled = true;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      if (std::abs(i == j ? p[i][j] - 1.0 : p[i][j]) > 1e-14) settled = false;
    }
  }
  if (settled) {
    std::copy(&block[0][0], &block[0][0] + 9, &o[0][0]);
  } else {
    for (int i = 0; i < 3; ++i) {
      q[i][i] = (1.0 - p[i][i]) * 0.5;
      for (int j = 0; j < i; ++j) q[j][i] = q[i][j] = p[i][j] * -0.5;
    }
    Product(block, q, o);
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) o[i][j] += block[i][j];
    }
  }
  const double det = o[2][0] * o[0][1] * o[1][2] + o[0][2] * o[1][0] * o[2][1] +
                     o[2][2] * o[0][0] * o[1][1] - o[2][0] * o[0][2] * o[1][1] -
                     o[0][0] * o[2][1] * o[1][2] - o[2][2] * o[0][1] * o[1][0];
  if (Exceeds(std::abs(det) - 1.0, kResnor)) return 2;
  const unsigned char rotation = det >= 0.0 ? 1 : 0;
  t = {{}, {e[12], e[13], e[14]}, scale, rotation, static_cast<unsigned char>(1 - rotation), 0};
  std::copy(&o[0][0], &o[0][0] + 9, &t.m_matrix.m_matrix[0][0]);
  return 0;
}

// The box grown by the radius, scaled to the unit cube, cut by three slabs.
OUT_OF_LINE int Meets(const GBoreLine& bore, const GBox& box) {
  double r = bore.m_radius;
  if (r == 0.0 || std::isnan(r)) r = kResnor;
  const double p[3] = {bore.m_point.m_x, bore.m_point.m_y, bore.m_point.m_z};
  const double d[3] = {bore.m_direction.m_x, bore.m_direction.m_y, bore.m_direction.m_z};
  const double low[3] = {box.m_low.m_x - r, box.m_low.m_y - r, box.m_low.m_z - r};
  const double high[3] = {box.m_high.m_x + r, box.m_high.m_y + r, box.m_high.m_z + r};
  double tmin = std::min(bore.m_front, bore.m_back);
  double tmax = std::max(bore.m_front, bore.m_back);
  for (int i = 0; i < 3; ++i) {
    const double size = high[i] - low[i];
    const double u = (p[i] - low[i]) / size;
    const double v = d[i] / size;
    if (std::abs(v) > DBL_EPSILON) {
      const double t0 = -u / v;
      const double t1 = (1.0 - u) / v;
      tmin = std::max(tmin, std::min(t0, t1));
      tmax = std::min(tmax, std::max(t0, t1));
      if (tmax < tmin) return 0;
    } else if (!(0.0 <= u && u <= 1.0)) {
      return 0;
    }
  }
  return 1;
}

OUT_OF_LINE int Meets(const GClipVolume& volume, const GBox& box) {
  const unsigned count = volume.m_count < 6 ? volume.m_count : 6;
  for (unsigned i = 0; i < count; ++i) {
    const Plane plane = PlaneOf(volume.m_planes[i]);
    const GUnitVector& n = plane.n;
    const GPosition corner = {n.m_x > 0.0 ? box.m_high.m_x : box.m_low.m_x,
                              n.m_y > 0.0 ? box.m_high.m_y : box.m_low.m_y,
                              n.m_z > 0.0 ? box.m_high.m_z : box.m_low.m_z};
    if (Distance(plane, corner) < -kResabs) return 0;
  }
  return 1;
}

// The planes of the fence on the stack: front cap, one per edge, back cap.
OUT_OF_LINE int Meets(const GPtFence& fence, const GBox& box) {
  const std::uint32_t n = fence.m_count;
  const GPosition* p = fence.m_points;
  const GUnitVector& d = fence.m_direction;
  GPosition points[8];
  GUnitVector normals[8];
  const double turn = Dot(AsVector(d), Cross(Minus(p[1], p[0]), Minus(p[2], p[1])));
  points[0] = Along(p[0], fence.m_front, d);
  normals[0] = {-d.m_x, -d.m_y, -d.m_z};
  for (std::uint32_t i = 1; i < n; ++i) {
    const GVector e = Minus(p[i], p[i - 1]);
    const GVector c = turn > 0.0 ? Cross(AsVector(d), e) : Cross(e, AsVector(d));
    points[i] = p[i];
    normals[i] = Unit(c.m_x, c.m_y, c.m_z);
  }
  points[n] = Along(p[0], fence.m_back, d);
  normals[n] = d;
  for (std::uint32_t i = 0; i <= n; ++i) {
    const GUnitVector& m = normals[i];
    const GPosition c = {m.m_x > 0.0 ? box.m_high.m_x : box.m_low.m_x,
                         m.m_y > 0.0 ? box.m_high.m_y : box.m_low.m_y,
                         m.m_z > 0.0 ? box.m_high.m_z : box.m_low.m_z};
    const double w = -(m.m_x * points[i].m_x + m.m_y * points[i].m_y + m.m_z * points[i].m_z);
    const double s =
        m.m_x * (c.m_x + w * m.m_x) + m.m_y * (c.m_y + w * m.m_y) + m.m_z * (c.m_z + w * m.m_z);
    if (!(s >= -kResabs)) return 0;
  }
  return 1;
}

OUT_OF_LINE int Classify(const GClipVolume& volume, const GPosition& x) {
  const unsigned count = volume.m_count < 6 ? volume.m_count : 6;
  int inside = 1;
  for (unsigned i = 0; i < count; ++i) {
    const double s = Distance(PlaneOf(volume.m_planes[i]), x);
    if (s < -kResabs) return 0;
    if (std::abs(s) <= kResabs) inside = 2;
  }
  return inside;
}

// The two end caps' squares about the axis, bounded.
OUT_OF_LINE GBox Range(const GBoreLine& bore) {
  const GUnitVector unit = Unit(bore.m_direction.m_x, bore.m_direction.m_y, bore.m_direction.m_z);
  const double v[3] = {unit.m_x, unit.m_y, unit.m_z};
  int k = 0;
  for (int i = 1; i < 3; ++i) {
    if (std::abs(v[k]) > std::abs(v[i])) k = i;
  }
  double w[3];
  for (int j = 0; j < 3; ++j) w[j] = -v[k] * v[j];
  w[k] = w[k] + 1.0;
  const GUnitVector perp = Unit(w[0], w[1], w[2]);
  const GUnitVector u = Unit(perp.m_x, perp.m_y, perp.m_z);
  const GVector across = Cross(AsVector(bore.m_direction), AsVector(u));
  const double length = std::sqrt(Dot(across, across));
  const double r = bore.m_radius;
  const GVector a = {u.m_x * r, u.m_y * r, u.m_z * r};
  const GVector b = {across.m_x / length * r, across.m_y / length * r, across.m_z / length * r};
  const GVector na = {-a.m_x, -a.m_y, -a.m_z};
  const GVector nb = {-b.m_x, -b.m_y, -b.m_z};
  GPosition corners[8];
  GPosition* corner = corners;
  for (const double depth : {bore.m_front, bore.m_back}) {
    const GPosition end = Along(bore.m_point, depth, bore.m_direction);
    *corner++ = Plus(Plus(end, a), b);
    *corner++ = Plus(Plus(end, a), nb);
    *corner++ = Plus(Plus(end, na), b);
    *corner++ = Plus(Plus(end, na), nb);
  }
  return Bound(8, corners);
}

OUT_OF_LINE GBox Range(const GPtFence& fence) {
  const std::uint32_t n = fence.m_count;
  GPosition corners[2 * 100];
  for (std::uint32_t i = 0; i < n; ++i) {
    corners[i] = Along(fence.m_points[i], fence.m_front, fence.m_direction);
    corners[n + i] = Along(fence.m_points[i], fence.m_back, fence.m_direction);
  }
  return Bound(2 * n, corners);
}

OUT_OF_LINE void Print(FILE* stream, const GTransf& t) {
  const auto& m = t.m_matrix.m_matrix;
  const GVector& v = t.m_translation;
  std::fputs("GTransf:\n", stream);
  std::fputs("GMatrix (in rows):\n", stream);
  for (const auto& row : m)
    std::fprintf(stream, " %20.15le %20.15le %20.15le\n", row[0], row[1], row[2]);
  std::fprintf(stream, " translation: %20.15le %20.15le %20.15le\n", v.m_x, v.m_y, v.m_z);
  std::fprintf(stream, " scaling: %20.15le\n", t.m_scaling);
  std::fprintf(stream, " hasRot: %hu\n", static_cast<unsigned short>(t.m_hasRotation));
  std::fprintf(stream, " hasRef: %hu\n", static_cast<unsigned short>(t.m_hasReflection));
  std::fprintf(stream, " hasShe: %hu\n", static_cast<unsigned short>(t.m_hasShear));
}

OUT_OF_LINE void Read(FILE* stream, GTransf& t) {
  double* numbers[13];
  for (int i = 0; i < 9; ++i) numbers[i] = &t.m_matrix.m_matrix[i / 3][i % 3];
  numbers[9] = &t.m_translation.m_x;
  numbers[10] = &t.m_translation.m_y;
  numbers[11] = &t.m_translation.m_z;
  numbers[12] = &t.m_scaling;
  for (double* number : numbers) std::fscanf(stream, "%lf", number);
  for (unsigned char* flag : {&t.m_hasRotation, &t.m_hasReflection, &t.m_hasShear}) {
    unsigned short value = 0;
    std::fscanf(stream, "%hu", &value);
    *flag = static_cast<unsigned char>(value);
  }
}

OUT_OF_LINE int Stat(const char* path) {
  struct stat info {};
  return stat(path, &info);
}

}  // namespace bench::floor
