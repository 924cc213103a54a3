// Eigen 3.4 computing the same things, where it has an equivalent: the 4x4
// inverse, the eigenvalues of MᵀM and the singular values of M (against
// the ortho-scale test), an aligned box overlap (against the clip volume
// of a box) and an affine transform applied to a point.
#include <Eigen/Dense>
#include <Eigen/Geometry>
#include <vector>

#include "inputs.h"

namespace bench {
namespace {

using RowMajor3 = Eigen::Matrix<double, 3, 3, Eigen::RowMajor>;
using RowMajor4 = Eigen::Matrix<double, 4, 4, Eigen::RowMajor>;

struct EigenInputs {
  std::vector<Eigen::Matrix4d> inverses;
  std::vector<Eigen::Matrix3d> matrices;
  std::vector<Eigen::AlignedBox3d> volumes;  // the boxes of the upright clip volumes
  std::vector<Eigen::AlignedBox3d> boxes;
  std::vector<Eigen::Affine3d> transforms;
  std::vector<Eigen::Vector3d> positions;
};

Eigen::Vector3d Point(const GPosition& p) { return {p.m_x, p.m_y, p.m_z}; }

Eigen::AlignedBox3d Box(const GBox& b) { return {Point(b.m_low), Point(b.m_high)}; }

// A row vector times M, scaled and translated, is the column vector times
// s·Mᵀ plus the translation.
Eigen::Affine3d Affine(const GTransf& t) {
  Eigen::Affine3d a = Eigen::Affine3d::Identity();
  a.linear() = Eigen::Map<const RowMajor3>(&t.m_matrix.m_matrix[0][0]).transpose() * t.m_scaling;
  a.translation() = Eigen::Vector3d(t.m_translation.m_x, t.m_translation.m_y, t.m_translation.m_z);
  return a;
}

const EigenInputs& TheEigenInputs() {
  static const EigenInputs inputs = [] {
    const Inputs& in = TheInputs();
    EigenInputs e;
    for (std::size_t i = 0; i < kCount; ++i) {
      e.inverses.emplace_back(Eigen::Map<const RowMajor4>(in.perspectives[i].m_matrix));
      e.matrices.emplace_back(Eigen::Map<const RowMajor3>(&in.matrices[i].m_matrix[0][0]));
      e.volumes.push_back(Box(in.boxes[i]));
      e.boxes.push_back(Box(in.boxes[i]));
      e.transforms.push_back(Affine(in.transforms[i]));
      e.positions.push_back(Point(in.positions[i]));
    }
    return e;
  }();
  return inputs;
}

template <class Op>
void CycleEigen(benchmark::State& state, Op op) {
  const EigenInputs& e = TheEigenInputs();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(op(e, i, (i + 1) % kCount));
    i = (i + 1) % kCount;
  }
}

template <class Op>
void Register(const char* name, Op op) {
  benchmark::RegisterBenchmark(name, [op](benchmark::State& state) { CycleEigen(state, op); });
}

}  // namespace

void RegisterEigen() {
  Register("G4x4::Inverse/Eigen Matrix4d::inverse",
           [](const EigenInputs& e, std::size_t i, std::size_t) {
             return Eigen::Matrix4d(e.inverses[i].inverse());
           });
  Register("CheckOrthoScale/Eigen SelfAdjointEigenSolver::compute",
           [](const EigenInputs& e, std::size_t i, std::size_t) {
             const Eigen::Matrix3d gram = e.matrices[i].transpose() * e.matrices[i];
             Eigen::SelfAdjointEigenSolver<Eigen::Matrix3d> solver(gram, Eigen::EigenvaluesOnly);
             return Eigen::Vector3d(solver.eigenvalues());
           });
  Register("CheckOrthoScale/Eigen SelfAdjointEigenSolver::computeDirect",
           [](const EigenInputs& e, std::size_t i, std::size_t) {
             const Eigen::Matrix3d gram = e.matrices[i].transpose() * e.matrices[i];
             Eigen::SelfAdjointEigenSolver<Eigen::Matrix3d> solver;
             solver.computeDirect(gram, Eigen::EigenvaluesOnly);
             return Eigen::Vector3d(solver.eigenvalues());
           });
  Register("CheckOrthoScale/Eigen JacobiSVD<Matrix3d>",
           [](const EigenInputs& e, std::size_t i, std::size_t) {
             const Eigen::JacobiSVD<Eigen::Matrix3d> svd(e.matrices[i]);
             return Eigen::Vector3d(svd.singularValues());
           });
  Register("GClipVolume && GBox, axis planes/Eigen AlignedBox3d::intersects",
           [](const EigenInputs& e, std::size_t i, std::size_t j) {
             return e.volumes[i].intersects(e.boxes[j]);
           });
  Register("GPosition *= GTransf/Eigen Affine3d * Vector3d",
           [](const EigenInputs& e, std::size_t i, std::size_t j) {
             return Eigen::Vector3d(e.transforms[j] * e.positions[i]);
           });
}

}  // namespace bench
