#include <functional>
#include <string>

#include "batch/batch_test.h"

namespace {

using namespace gmath::test;

template <class T>
using SingleProduct = std::function<T(const T&)>;
template <class T>
using BatchProduct = std::function<void(const T*, std::size_t, std::size_t, T*, std::size_t)>;

class BatchTransformTest : public BatchTest {
 protected:
  // The batch against the single call on every value, out of place in every
  // layout pair and in place: the same bits and the same messages.
  template <class T>
  void ExpectSingleProducts(const std::vector<T>& values, const SingleProduct<T>& single,
                            const BatchProduct<T>& batch) {
    for (const std::size_t count : kCounts) {
      const std::vector<T> in(values.begin(), values.begin() + static_cast<long>(std::min(count, values.size())));
      const std::size_t n = in.size();
      std::vector<T> expected;
      for (const T& v : in) expected.push_back(single(v));
      const std::vector<std::string> messages = TakeMessages();
      const std::vector<Layout> layouts = Layouts<T>();
      for (std::size_t l = 0; l < layouts.size(); ++l) {
        Strided<T> from(in, layouts[l]);
        const std::vector<unsigned char> before = from.bytes();
        Strided<T> to(std::vector<T>(n), layouts[(l + 1) % layouts.size()]);
        batch(from.data(), n, from.stride(), to.data(), to.stride());
        EXPECT_EQ(TakeMessages(), messages);
        EXPECT_EQ(from.bytes(), before);
        batch(from.data(), n, from.stride(), from.data(), from.stride());
        EXPECT_EQ(TakeMessages(), messages);
        for (std::size_t i = 0; i < n; ++i) {
          const T a = to.At(i), b = from.At(i);
          if (std::memcmp(&a, &expected[i], sizeof a) != 0 || std::memcmp(&b, &expected[i], sizeof b) != 0) {
            ADD_FAILURE() << "element " << i << " of " << n << ", layout " << l;
          }
        }
      }
    }
  }
};

template <class P>
std::vector<P> HostileTriples(Random& random) {
  std::vector<P> values;
  for (int i = 0; i < 600; ++i) {
    const GVector v = random.Vector(100);
    values.push_back({v.m_x, v.m_y, v.m_z});
  }
  const double odd[] = {kNaN, kInf, -kInf, 1e308, -1e308, 1e-310, 0.0, -0.0};
  for (std::size_t i = 0; i < values.size(); i += 5) (&values[i].m_x)[i % 3] = odd[(i / 5) % 8];
  for (std::size_t i = 2; i < values.size(); i += 11) values[i] = {1.0, 0.0, 0.0};  // weight 0 below
  return values;
}

struct Transforms {
  GTransf t;
  GMatrix m;
  G4x4 g;
};

std::vector<Transforms> SomeTransforms(Random& random) {
  std::vector<Transforms> all;
  for (int i = 0; i < 3; ++i) {
    G4x4 g = {};
    for (double& e : g.m_matrix) e = random.Uniform(-2, 2);
    all.push_back({RandomSimilarity(random), random.Orthogonal(), g});
  }
  // Weights of exactly 0 at x = 1, a transform that cannot be inverted, and
  // one with a NaN.
  G4x4 w = {{1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, -1}};
  GTransf singular = RandomSimilarity(random);
  singular.m_scaling = 0.0;
  all.push_back({singular, kIdentity, w});
  GTransf nan = RandomSimilarity(random);
  nan.m_matrix.m_matrix[1][2] = kNaN;
  all.push_back({nan, nan.m_matrix, w});
  return all;
}

// Element-first and matrix-first batch calls as one signature.
#define BATCH_AFTER(T, x) [&](const T* i, std::size_t n, std::size_t s, T* o, std::size_t os) { GBatchMultiply(i, n, s, x, o, os); }
#define BATCH_BEFORE(T, x) [&](const T* i, std::size_t n, std::size_t s, T* o, std::size_t os) { GBatchMultiply(x, i, n, s, o, os); }

// The single call p ^ t inverts t for every element; the batch does it
// once, with its messages once, before any element.
template <class T>
BatchProduct<T> InverseOnce(BatchTest* test, const GTransf& t, const std::vector<std::string>& messages) {
  return [=](const T* i, std::size_t n, std::size_t s, T* o, std::size_t os) {
    GBatchInverseMultiply(i, n, s, t, o, os);
    EXPECT_EQ(test->Messages(), n > 0 ? messages : std::vector<std::string>{});
  };
}

TEST_F(BatchTransformTest, ProductsAreTheSingleCallsBitForBit) {
  Random random(20);
  const std::vector<GPosition> positions = HostileTriples<GPosition>(random);
  const std::vector<GVector> vectors = HostileTriples<GVector>(random);
  const std::vector<GBox> boxes = HostileBoxes(random, 600, 1e-6);
  for (const Transforms& x : SomeTransforms(random)) {
    const GTransf inverse = x.t.Inverse();
    const std::vector<std::string> inverseMessages = TakeMessages();
    ExpectSingleProducts<GPosition>(positions, [&](GPosition p) { return p *= x.m; }, BATCH_AFTER(GPosition, x.m));
    ExpectSingleProducts<GPosition>(positions, [&](GPosition p) { return p *= x.t; }, BATCH_AFTER(GPosition, x.t));
    ExpectSingleProducts<GPosition>(positions, [&](GPosition p) { return p *= inverse; },
                                    InverseOnce<GPosition>(this, x.t, inverseMessages));
    ExpectSingleProducts<GPosition>(positions, [&](const GPosition& p) { return x.g * p; }, BATCH_BEFORE(GPosition, x.g));
    ExpectSingleProducts<GPosition>(positions, [&](const GPosition& p) { return p * x.g; }, BATCH_AFTER(GPosition, x.g));
    ExpectSingleProducts<GVector>(vectors, [&](GVector v) { return v *= x.m; }, BATCH_AFTER(GVector, x.m));
    ExpectSingleProducts<GVector>(vectors, [&](const GVector& v) { return v * x.t; }, BATCH_AFTER(GVector, x.t));
    ExpectSingleProducts<GVector>(vectors, [&](const GVector& v) { return v * inverse; },
                                  InverseOnce<GVector>(this, x.t, inverseMessages));
    ExpectSingleProducts<GVector>(vectors, [&](const GVector& v) { return x.g * v; }, BATCH_BEFORE(GVector, x.g));
    ExpectSingleProducts<GVector>(vectors, [&](const GVector& v) { return v * x.g; }, BATCH_AFTER(GVector, x.g));
    ExpectSingleProducts<GBox>(boxes, [&](const GBox& b) { return b * x.m; }, BATCH_AFTER(GBox, x.m));
    ExpectSingleProducts<GBox>(boxes, [&](const GBox& b) { return x.m * b; }, BATCH_BEFORE(GBox, x.m));
    ExpectSingleProducts<GBox>(boxes, [&](const GBox& b) { return b * x.t; }, BATCH_AFTER(GBox, x.t));
    ExpectSingleProducts<GBox>(boxes, [&](const GBox& b) { return x.t * b; }, BATCH_BEFORE(GBox, x.t));
    ExpectSingleProducts<GBox>(boxes, [&](const GBox& b) { return x.g * b; }, BATCH_BEFORE(GBox, x.g));
    ExpectSingleProducts<GBox>(boxes, [&](const GBox& b) { return b * x.g; }, BATCH_AFTER(GBox, x.g));
  }
}

TEST_F(BatchTransformTest, ReductionsAreTheLeftFolds) {
  Random random(21);
  const std::vector<GBox> boxes = HostileBoxes(random, 300, 1e-6);
  for (const std::size_t count : kCounts) {
    const std::size_t n = std::min(count, boxes.size());
    GBox unite = {{1e30, 1e30, 1e30}, {-1e30, -1e30, -1e30}};
    GBox meet = {{-1e30, -1e30, -1e30}, {1e30, 1e30, 1e30}};
    for (std::size_t i = 0; i < n; ++i) {
      unite = i == 0 ? boxes[0] : unite | boxes[i];
      meet = i == 0 ? boxes[0] : meet & boxes[i];
    }
    for (const Layout layout : Layouts<GBox>()) {
      Strided<GBox> array(std::vector<GBox>(boxes.begin(), boxes.begin() + static_cast<long>(n)), layout);
      const GBox u = GBatchUnion(array.data(), n, array.stride());
      const GBox m = GBatchIntersection(array.data(), n, array.stride());
      EXPECT_EQ(std::memcmp(&u, &unite, sizeof u), 0) << n;
      EXPECT_EQ(std::memcmp(&m, &meet, sizeof m), 0) << n;
    }
  }
  EXPECT_NO_MESSAGES();
}

}  // namespace
