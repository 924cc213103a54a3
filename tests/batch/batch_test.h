#ifndef GMATH_TESTS_BATCH_BATCH_TEST_H
#define GMATH_TESTS_BATCH_BATCH_TEST_H

#include <cstring>
#include <string>
#include <vector>

#include "core3d/core3d_test.h"
#include "gmath/batch.h"

namespace gmath::test {

// The recorded messages, for the checks outside a test's own body.
class BatchTest : public GmathTest {
 public:
  std::vector<std::string> Messages() { return TakeMessages(); }
};

// The layouts a caller's array may have: stride in bytes and the offset of
// the first element from an aligned block (odd ones misalign every
// element).
struct Layout {
  std::size_t stride;
  std::size_t offset;
};

template <class T>
std::vector<Layout> Layouts() {
  return {{sizeof(T), 0}, {sizeof(T), 3}, {sizeof(T) + 8, 0}, {sizeof(T) + 13, 5}, {3 * sizeof(T), 1}};
}

// Values at a stride inside a byte block whose other bytes are a pattern.
template <class T>
class Strided {
 public:
  Strided(const std::vector<T>& values, Layout layout)
      : bytes_(layout.offset + values.size() * layout.stride + 1, 0xa5), layout_(layout) {
    for (std::size_t i = 0; i < values.size(); ++i) Set(i, values[i]);
  }
  T* data() { return reinterpret_cast<T*>(bytes_.data() + layout_.offset); }
  std::size_t stride() const { return layout_.stride; }
  T At(std::size_t i) const {
    T value;
    std::memcpy(&value, bytes_.data() + layout_.offset + i * layout_.stride, sizeof value);
    return value;
  }
  void Set(std::size_t i, const T& value) {
    std::memcpy(bytes_.data() + layout_.offset + i * layout_.stride, &value, sizeof value);
  }
  const std::vector<unsigned char>& bytes() const { return bytes_; }

 private:
  std::vector<unsigned char> bytes_;
  Layout layout_;
};

// Boxes about the unit cube of every kind a single call may treat apart:
// ordinary, flat, null, inverted by less than the tolerance, infinite,
// NaN, overflowing, tiny, and boxes whose faces sit at the tolerance from
// the cube's faces.
inline std::vector<GBox> HostileBoxes(Random& random, std::size_t count, double tol) {
  const double edges[] = {0.0, 1.0, tol, -tol, 1.0 + tol, 1.0 - tol, Above(tol), Below(-tol),
                          Above(1.0 + tol), Below(1.0 + tol)};
  std::vector<GBox> boxes;
  for (std::size_t i = 0; i < count; ++i) {
    const GVector c = random.Vector(2.5);
    const GVector size = random.Vector(1.5);
    GBox box = {{c.m_x + 0.5 - std::abs(size.m_x), c.m_y + 0.5 - std::abs(size.m_y),
                 c.m_z + 0.5 - std::abs(size.m_z)},
                {c.m_x + 0.5, c.m_y + 0.5, c.m_z + 0.5}};
    double* x = &box.m_low.m_x;
    const int axis = static_cast<int>(random.Uniform(0, 3));
    const int kind = static_cast<int>(random.Uniform(0, 14));
    const double edge = edges[static_cast<int>(random.Uniform(0, 10))];
    switch (kind) {
      case 0: x[axis] = x[axis + 3]; break;
      case 1: box = {{1e30, 1e30, 1e30}, {-1e30, -1e30, -1e30}}; break;
      case 2: x[axis] = x[axis + 3] + 0.5 * tol; break;
      case 3: x[static_cast<int>(random.Uniform(0, 6))] = kNaN; break;
      case 4: x[axis + 3] = kInf; break;
      case 5: x[axis] = -kInf; break;
      case 6: x[axis] = -1e308; x[axis + 3] = 1e308; break;
      case 7: x[axis + 3] = x[axis] + 1e-300; break;
      case 8: box = {{-1e30, -1e30, -1e30}, {1e30, 1e30, 1e30}}; break;
      case 9: case 10: x[axis] = edge; break;
      case 11: case 12: x[axis + 3] = edge; break;
      default: break;
    }
    boxes.push_back(box);
  }
  return boxes;
}

// The counts a batch is tried with: none, fewer than a vector, around a
// vector group and a block, and many.
inline const std::vector<std::size_t> kCounts = {0, 1, 3, 7, 8, 9, 17, 511, 513, 1100};

}  // namespace gmath::test

#endif
