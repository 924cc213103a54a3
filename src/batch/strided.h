#ifndef GMATH_BATCH_STRIDED_H
#define GMATH_BATCH_STRIDED_H

#include <cstddef>
#include <cstring>

#include "frame/report.h"

// Elements of a caller's array at any stride and alignment: every access
// copies bytes, so a misaligned element is never read through its type.
namespace gmath::detail {

template <class T>
T LoadAt(const void* base, std::size_t stride, std::size_t i) {
  T value;
  std::memcpy(&value, static_cast<const unsigned char*>(base) + i * stride, sizeof value);
  return value;
}

template <class T>
void StoreAt(void* base, std::size_t stride, std::size_t i, const T& value) {
  std::memcpy(static_cast<unsigned char*>(base) + i * stride, &value, sizeof value);
}

// Whether count elements of `size` bytes can be read at data with stride;
// reports when not. No elements need no array.
inline bool IsUsable(std::size_t count, const void* data, std::size_t stride, std::size_t size) {
  if (count == 0) return true;
  if (data == nullptr) {
    Report("GBatch: NULL array");
    return false;
  }
  if (stride < size) {
    Report("GBatch: stride below the element size");
    return false;
  }
  return true;
}

// A packed result array.
inline bool IsUsable(std::size_t count, const void* data) {
  return IsUsable(count, data, 1, 1);
}

// out[i] = f(in[i]) for every element, in index order; out may be in
// with the same stride.
template <class In, class Out, class F>
void MapEach(const In* in, std::size_t count, std::size_t inStride, Out* out,
             std::size_t outStride, F f) {
  for (std::size_t i = 0; i < count; ++i) {
    StoreAt(out, outStride, i, f(LoadAt<In>(in, inStride, i)));
  }
}

template <class In, class Out>
bool AreUsable(const In* in, std::size_t count, std::size_t inStride, const Out* out,
               std::size_t outStride) {
  return IsUsable(count, in, inStride, sizeof(In)) && IsUsable(count, out, outStride, sizeof(Out));
}

}  // namespace gmath::detail

#endif
