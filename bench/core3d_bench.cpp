// The 3D values: unit vectors, moving a position, composing and inverting
// transforms, moving a box, the ortho-scale test.
#include "floor.h"
#include "inputs.h"

namespace bench {
namespace {

struct OrthoScaleResult {
  double isOrthoScale;
  double scale;
};

}  // namespace

void RegisterCore3d() {
  Pair(
      "BuildUnitVector",
      [](const Inputs& in, std::size_t i, std::size_t) {
        const GPosition& p = in.positions[i];
        return BuildUnitVector(p.m_x, p.m_y, p.m_z);
      },
      [](const Inputs& in, std::size_t i, std::size_t) {
        const GPosition& p = in.positions[i];
        return floor::UnitVector(p.m_x, p.m_y, p.m_z);
      });
  Pair(
      "BuildUnitVector, unit input",
      [](const Inputs& in, std::size_t i, std::size_t) {
        const GUnitVector& u = in.bores[i].m_direction;
        return BuildUnitVector(u.m_x, u.m_y, u.m_z);
      },
      [](const Inputs& in, std::size_t i, std::size_t) {
        const GUnitVector& u = in.bores[i].m_direction;
        return floor::UnitVector(u.m_x, u.m_y, u.m_z);
      });
  Pair(
      "GPosition *= GTransf",
      [](const Inputs& in, std::size_t i, std::size_t j) {
        GPosition p = in.positions[i];
        p *= in.transforms[j];
        return p;
      },
      [](const Inputs& in, std::size_t i, std::size_t j) {
        GPosition p = in.positions[i];
        floor::MovePosition(p, in.transforms[j]);
        return p;
      });
  Pair(
      "GTransf * GTransf",
      [](const Inputs& in, std::size_t i, std::size_t j) {
        return in.transforms[i] * in.transforms[j];
      },
      [](const Inputs& in, std::size_t i, std::size_t j) {
        return floor::Compose(in.transforms[i], in.transforms[j]);
      });
  Pair(
      "GTransf::Inverse",
      [](const Inputs& in, std::size_t i, std::size_t) { return in.transforms[i].Inverse(); },
      [](const Inputs& in, std::size_t i, std::size_t) {
        return floor::Inverse(in.transforms[i]);
      });
  Pair(
      "GBox * GTransf",
      [](const Inputs& in, std::size_t i, std::size_t j) { return in.boxes[i] * in.transforms[j]; },
      [](const Inputs& in, std::size_t i, std::size_t j) {
        return floor::MoveBox(in.boxes[i], in.transforms[j]);
      });
  Pair(
      "CheckOrthoScale",
      [](const Inputs& in, std::size_t i, std::size_t) {
        GMatrix m = in.matrices[i];  // the call takes a modifiable array
        int isOrthoScale = 0;
        double scale = 0.0;
        long err = 0;
        CheckOrthoScale(&m.m_matrix[0][0], 3, &isOrthoScale, &scale, &err);
        return OrthoScaleResult{static_cast<double>(isOrthoScale), scale};
      },
      [](const Inputs& in, std::size_t i, std::size_t) {
        const GMatrix m = in.matrices[i];
        double scale = 0.0;
        const int isOrthoScale = floor::OrthoScale(m, &scale);
        return OrthoScaleResult{static_cast<double>(isOrthoScale), scale};
      });
}

}  // namespace bench
