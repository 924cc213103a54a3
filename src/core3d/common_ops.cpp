#include "core3d/common_ops.h"

#include <cmath>

#include "core3d/matrix_ops.h"
#include "frame/tolerance.h"

namespace gmath::detail {

bool IsUnitOrthoScale(const double* matrix, int n) {
  int isOrthoScale = 0;
  double scale = 0.0;
  long err = 0;
  OrthoScale(matrix, n, &isOrthoScale, &scale, &err);
  return isOrthoScale == 1 && std::abs(scale - 1.0) <= gmath::detail::RelativeTolerance();
}

}  // namespace gmath::detail
