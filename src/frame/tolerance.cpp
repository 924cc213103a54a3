#include "frame/tolerance.h"

#include <atomic>
#include <cmath>

#include "frame/report.h"
#include "gmath/frame.h"

namespace gmath::detail {

std::atomic<double> distanceTolerance{1e-6};
std::atomic<double> relativeTolerance{1e-10};
std::atomic<double> fitTolerance{1e-3};

}  // namespace gmath::detail

using gmath::detail::distanceTolerance;
using gmath::detail::fitTolerance;
using gmath::detail::Reject;
using gmath::detail::relativeTolerance;

namespace {

constexpr int kPosDblAlgn = 1;

}  // namespace

double GetDistanceTolerance() { return gmath::detail::DistanceTolerance(); }
double GetRelativeTolerance() { return gmath::detail::RelativeTolerance(); }
double GetFitTolerance() { return gmath::detail::FitTolerance(); }
int GetPosDblAlgn() { return kPosDblAlgn; }

// The bounds are products with 0.1, 1000.0, 0.001 and 10.0 rounded to double,
// never quotients: 1e-10 * 1000.0 lies just above 1e-7, which callers see.
void SetDistanceTolerance(double tol, long* err) {
  *err = 0;
  if (!(GetFitTolerance() * 0.1 > tol)) {
    Reject("SetDistanceTolerance: distance tolerance not smaller than resfit / 10", err);
    return;
  }
  if (GetRelativeTolerance() * 1000.0 > tol) {
    Reject("SetDistanceTolerance: distance tolerance not larger than resnor * 1000", err);
    return;
  }
  distanceTolerance.store(tol, std::memory_order_relaxed);
}

void SetRelativeTolerance(double tol, long* err) {
  *err = 0;
  if (GetDistanceTolerance() * 0.001 > tol) {
    relativeTolerance.store(tol, std::memory_order_relaxed);
    return;
  }
  Reject("SetRelativeTolerance: relative tolerance not smaller than resabs / 1000", err);
}

// NaN is rejected like in the two other setters: stored, it would make every
// later tolerance comparison false.
void SetFitTolerance(double tol, long* err) {
  *err = 0;
  if (GetDistanceTolerance() * 10.0 >= tol || std::isnan(tol)) {
    Reject("SetFitTolerance: fit tolerance not larger than resabs * 10", err);
    return;
  }
  fitTolerance.store(tol, std::memory_order_relaxed);
}
