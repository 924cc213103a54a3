#ifndef GMATH_TOOL_VALUE_H
#define GMATH_TOOL_VALUE_H

#include <string>
#include <vector>

#include "clip_volume_text.h"
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

template <class T>
long ReadValue(FILE* stream, T& value) {
  long err = 0;
  GRead_from_File(stream, value, &err);
  return err;
}
inline long ReadValue(FILE* stream, GClipVolume& volume) { return ReadClipVolume(stream, volume); }

// What a reader's code 1 means for the type.
inline const char* TooMany(const GClipVolume*) { return "more than 6 planes"; }
template <class T>
const char* TooMany(const T*) {
  return "more than 100 points";
}

// A value read from an input, owning the point array a volume refers to.
template <class T>
class Value {
 public:
  Value() { AttachPoints(value_, points_.data()); }
  Value(const Value&) = delete;
  Value& operator=(const Value&) = delete;

  // Empty when read; otherwise the one-line reason.
  std::string Read(const std::string& path, FILE* standardInput, const std::string& type) {
    return ReadInput(path, standardInput, type, TooMany(&value_),
                     [this](FILE* stream) { return ReadValue(stream, value_); });
  }

  const T& Get() const { return value_; }

 private:
  std::vector<GPosition> points_ = std::vector<GPosition>(kReaderPointRoom);
  T value_{};
};

#endif
