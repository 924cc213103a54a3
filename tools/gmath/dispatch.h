#ifndef GMATH_TOOL_DISPATCH_H
#define GMATH_TOOL_DISPATCH_H

#include <string>

#include "report.h"
#include "streams.h"
#include "value.h"

// From a type name on the command line to the C++ type of its value.

template <class T>
struct Tag {
  using Type = T;
};

extern const char* const kVolumeNames;
extern const char* const kTypeNames;

inline int UnknownType(const std::string& type, const char* known, FILE* err) {
  return Fail(err, "unknown type '" + type + "' (known: " + known + ")");
}

// known: the types the error line lists when none matches.
template <class Visit>
int OnVolume(const std::string& type, FILE* err, Visit visit, const char* known = kVolumeNames) {
  if (type == "boreline") return visit(Tag<GBoreLine>{});
  if (type == "borecone") return visit(Tag<GBoreCone>{});
  if (type == "prism") return visit(Tag<GRtPrism>{});
  if (type == "fence") return visit(Tag<GPtFence>{});
  if (type == "frustum") return visit(Tag<GPtFrustum>{});
  return UnknownType(type, known, err);
}

template <class Visit>
int OnAnyType(const std::string& type, FILE* err, Visit visit, const char* known = kTypeNames) {
  if (type == "matrix") return visit(Tag<GMatrix>{});
  if (type == "transf") return visit(Tag<GTransf>{});
  if (type == "box") return visit(Tag<GBox>{});
  if (type == "4x4") return visit(Tag<G4x4>{});
  if (type == "box2d") return visit(Tag<GBox2d>{});
  if (type == "matrix2d") return visit(Tag<GMatrix2d>{});
  if (type == "transf2d") return visit(Tag<GTransf2d>{});
  return OnVolume(type, err, visit, known);
}

// Reads a T from path and returns what use makes of it: the exit status.
template <class T, class Use>
int WithValue(const std::string& type, const std::string& path, const Streams& io, Use use) {
  Value<T> value;
  const std::string error = value.Read(path, io.in, type);
  return error.empty() ? use(value.Get()) : Fail(io.err, error);
}

template <class Use>
int WithAnyValue(const std::string& type, const std::string& path, const Streams& io, Use use) {
  return OnAnyType(type, io.err, [&](auto tag) {
    return WithValue<typename decltype(tag)::Type>(type, path, io, use);
  });
}

template <class Use>
int WithVolume(const std::string& type, const std::string& path, const Streams& io, Use use) {
  return OnVolume(type, io.err, [&](auto tag) {
    return WithValue<typename decltype(tag)::Type>(type, path, io, use);
  });
}

#endif
