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
using gmath::detail::relativeTolerance;

namespace {

constexpr int kPosDblAlgn = 1;

void Reject(long* err, const char* message) {
  *err = 2;
  gmath::detail::Report(message);
}

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
    Reject(err, "SetDistanceTolerance: distance tolerance not smaller than resfit / 10");
    return;
  }
  if (GetRelativeTolerance() * 1000.0 > tol) {
    Reject(err, "SetDistanceTolerance: distance tolerance not larger than resnor * 1000");
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
  Reject(err, "SetRelativeTolerance: relative tolerance not smaller than resabs / 1000");
}

// NaN is rejected like in the two other setters: stored, it would make every
// later tolerance comparison false.
void SetFitTolerance(double tol, long* err) {
  *err = 0;
  if (GetDistanceTolerance() * 10.0 >= tol || std::isnan(tol)) {
    Reject(err, "SetFitTolerance: fit tolerance not larger than resabs * 10");
    return;
  }
  fitTolerance.store(tol, std::memory_order_relaxed);
}
