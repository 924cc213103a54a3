#ifndef GMATH_CORE3D_JACOBI_H
#define GMATH_CORE3D_JACOBI_H

namespace gmath::detail {

// Eigenvalue mode of JacobiEigen that also yields the eigenvectors.
constexpr int kJacobiWithVectors = 2;

// Eigenvalues (and in mode kJacobiWithVectors eigenvectors) of the real
// symmetric n x n matrix a, of which only the upper triangle is read
// (a(i, j) = a[i * stride + j], j >= i); a is not modified. The eigenvalues
// come out sorted descending, equal values with the later index first; row i
// of `eigenvectors` (n x n, stride n) belongs to eigenvalue i. Cyclic Jacobi
// rotations, at most 50 sweeps. Work storage is local for n <= 8 and on the
// heap above; *err is 1 when the heap refuses it (nothing else is written
// then), otherwise 0. n <= 0 does nothing.
void JacobiEigen(int n, int stride, const double* a, int mode, double* eigenvalues,
                 double* eigenvectors, long* err);

}  // namespace gmath::detail

#endif
