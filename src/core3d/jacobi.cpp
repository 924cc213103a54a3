#include "core3d/jacobi.h"

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <memory>
#include <new>
#include <utility>

namespace gmath::detail {
namespace {

constexpr int kMaxSweeps = 50;
// Sweeps before these numbers use a threshold proportional to the
// off-diagonal sum, then the tiny one; from the later one on, entries too
// small to change the diagonal are dropped without a rotation.
constexpr int kCoarseSweeps = 4;
constexpr int kFirstDroppingSweep = 5;
constexpr double kFineThreshold = 1e-50;
constexpr int kLocalDoubles = 80;

// The working state of one solution. A holds the upper triangle (row stride
// n); b and z accumulate the diagonal updates of a sweep, as in the cyclic
// method, so that d changes smoothly within a sweep. kOrder is the order
// when known at compile time (the orders 2 and 3 the library uses, whose
// loops then unroll) and 0 for any other; the arithmetic is the same.
template <int kOrder>
struct Work {
  int n;
  double* a;
  double* b;
  double* z;
  double* d;
  double* v;  // null unless eigenvectors are wanted

  int N() const { return kOrder > 0 ? kOrder : n; }
  double& A(int i, int j) const { return a[i * N() + j]; }
};

// One rotation step on the pair (x, y), the same for both kinds of pair.
void RotatePair(double& x, double& y, double s, double tau) {
  const double g = x;
  const double h = y;
  x = g - s * (h + g * tau);
  y = h + s * (g - h * tau);
}

// Zeroes A(p, q) by a rotation in the plane (p, q).
template <int kOrder>
void Rotate(const Work<kOrder>& w, int p, int q, double g) {
  const double apq = w.A(p, q);
  double h = w.d[q] - w.d[p];
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
  w.z[p] -= h;
  w.z[q] += h;
  w.d[p] -= h;
  w.d[q] += h;
  w.A(p, q) = 0.0;
  for (int j = 0; j < p; ++j) RotatePair(w.A(j, p), w.A(j, q), s, tau);
  for (int j = p + 1; j < q; ++j) RotatePair(w.A(p, j), w.A(j, q), s, tau);
  for (int j = q + 1; j < w.N(); ++j) RotatePair(w.A(p, j), w.A(q, j), s, tau);
  if (w.v != nullptr) {
    for (int j = 0; j < w.N(); ++j) RotatePair(w.v[p * w.N() + j], w.v[q * w.N() + j], s, tau);
  }
}

template <int kOrder>
double OffDiagonalSum(const Work<kOrder>& w) {
  double sum = 0.0;
  for (int p = 0; p < w.N() - 1; ++p) {
    for (int q = p + 1; q < w.N(); ++q) sum += std::abs(w.A(p, q));
  }
  return sum;
}

// An entry whose hundredfold no longer changes either diagonal value.
template <int kOrder>
bool IsNegligible(const Work<kOrder>& w, int p, int q, double g) {
  return std::abs(w.d[p] + g) == std::abs(w.d[p]) && std::abs(w.d[q] + g) == std::abs(w.d[q]);
}

template <int kOrder>
void Sweep(const Work<kOrder>& w, int sweep, double threshold) {
  for (int p = 0; p < w.N() - 1; ++p) {
    for (int q = p + 1; q < w.N(); ++q) {
      const double g = 100.0 * std::abs(w.A(p, q));
      if (sweep >= kFirstDroppingSweep && IsNegligible(w, p, q, g)) {
        w.A(p, q) = 0.0;
      } else if (std::abs(w.A(p, q)) > threshold) {
        Rotate(w, p, q, g);
      }
    }
  }
  for (int i = 0; i < w.N(); ++i) {
    w.b[i] += w.z[i];
    w.d[i] = w.b[i];
    w.z[i] = 0.0;
  }
}

template <int kOrder>
void Diagonalize(const Work<kOrder>& w) {
  double diagonal = 0.0;
  for (int i = 0; i < w.N(); ++i) {
    w.d[i] = w.b[i] = w.A(i, i);
    w.z[i] = 0.0;
    diagonal += std::abs(w.A(i, i));
  }
  const double tol = 10.0 * w.N() * diagonal * DBL_EPSILON;
  const double coarseFactor = 0.2 / (w.N() * w.N());
  for (int sweep = 0; sweep < kMaxSweeps; ++sweep) {
    const double sum = OffDiagonalSum(w);
    if (!(sum > tol)) return;
    Sweep(w, sweep, sweep < kCoarseSweeps ? sum * coarseFactor : kFineThreshold);
  }
}

// Selection sort, descending; among equal values the last one is chosen,
// which moves a later index forward.
template <int kOrder>
void SortDescending(const Work<kOrder>& w) {
  for (int i = 0; i < w.N() - 1; ++i) {
    int k = i;
    double best = w.d[i];
    for (int j = i + 1; j < w.N(); ++j) {
      if (w.d[j] >= best) {
        k = j;
        best = w.d[j];
      }
    }
    if (k == i) continue;
    w.d[k] = w.d[i];
    w.d[i] = best;
    if (w.v == nullptr) continue;
    for (int j = 0; j < w.N(); ++j) std::swap(w.v[i * w.N() + j], w.v[k * w.N() + j]);
  }
}

template <int kOrder>
void Solve(const Work<kOrder>& w, int stride, const double* a) {
  for (int i = 0; i < w.N(); ++i) {
    for (int j = i; j < w.N(); ++j) w.A(i, j) = a[static_cast<std::size_t>(i) * stride + j];
  }
  if (w.v != nullptr) {
    for (int i = 0; i < w.N(); ++i) {
      for (int j = 0; j < w.N(); ++j) w.v[i * w.N() + j] = i == j ? 1.0 : 0.0;
    }
  }
  Diagonalize(w);
  SortDescending(w);
}

}  // namespace

void JacobiEigen(int n, int stride, const double* a, int mode, double* eigenvalues,
                 double* eigenvectors, long* err) {
  *err = 0;
  if (n <= 0) return;
  const std::size_t order = static_cast<std::size_t>(n);
  const std::size_t needed = (order + 2) * order;
  double local[kLocalDoubles];
  std::unique_ptr<double[]> heap;
  double* storage = local;
  if (needed > kLocalDoubles) {
    heap.reset(new (std::nothrow) double[needed]);
    if (heap == nullptr) {
      *err = 1;
      return;
    }
    storage = heap.get();
  }
  double* const v = mode == kJacobiWithVectors ? eigenvectors : nullptr;
  double* const b = storage + order * order;
  double* const z = b + order;
  switch (n) {
    case 2: return Solve(Work<2>{n, storage, b, z, eigenvalues, v}, stride, a);
    case 3: return Solve(Work<3>{n, storage, b, z, eigenvalues, v}, stride, a);
    default: return Solve(Work<0>{n, storage, b, z, eigenvalues, v}, stride, a);
  }
}

}  // namespace gmath::detail
