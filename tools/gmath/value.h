#ifndef GMATH_TOOL_VALUE_H
#define GMATH_TOOL_VALUE_H

#include <string>
#include <vector>

#include "gmath/gmath.h"
#include "input.h"

// The readers of the volumes over a point array write into the caller's
// array and never past the 100 points they accept.
constexpr std::size_t kReaderPointRoom = 100;

inline void AttachPoints(GRtPrism& prism, GPosition* points) { prism.m_points = points; }
inline void AttachPoints(GPtFence& fence, GPosition* points) { fence.m_points = points; }
inline void AttachPoints(GPtFrustum& frustum, GPosition* points) {
  frustum.m_fence.m_points = points;
}
template <class T>
void AttachPoints(T&, GPosition*) {}

// A value read from an input, owning the point array a volume refers to.
template <class T>
class Value {
 public:
  Value() { AttachPoints(value_, points_.data()); }
  Value(const Value&) = delete;
  Value& operator=(const Value&) = delete;

  // Empty when read; otherwise the one-line reason.
  std::string Read(const std::string& path, FILE* standardInput, const std::string& type) {
    return ReadInput(path, standardInput, type, [this](FILE* stream) {
      long err = 0;
      GRead_from_File(stream, value_, &err);
      return err;
    });
  }

  const T& Get() const { return value_; }

 private:
  std::vector<GPosition> points_ = std::vector<GPosition>(kReaderPointRoom);
  T value_{};
};

#endif
