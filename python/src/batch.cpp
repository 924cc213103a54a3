#include <algorithm>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "batch_arrays.h"
#include "owned.h"

// Array forms of the tests and transforms: each is the library's batch call
// (gmath/batch.h) over the rows, in slices without the GIL.
namespace gmath_py {
namespace {

constexpr std::size_t kBoxStride = sizeof(GBox);

template <class Call>
py::array_t<bool> Flags(const py::handle& boxes, int threads, const Call& call) {
  const Rows<GBox> rows = BoxRows(boxes);
  py::array_t<bool> flags(static_cast<py::ssize_t>(rows.count));
  auto* out = reinterpret_cast<std::uint8_t*>(flags.mutable_data());
  const GBox* in = rows.data();
  StartCall();
  RunSliced(rows.count, threads, [&](std::size_t begin, std::size_t end) {
    call(in + begin, end - begin, out + begin);
  });
  return flags;
}

py::array_t<std::int64_t> Int64s(const std::size_t* values, std::size_t count) {
  py::array_t<std::int64_t> array(static_cast<py::ssize_t>(count));
  std::int64_t* out = array.mutable_data();
  for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<std::int64_t>(values[i]);
  return array;
}

// Each slice writes its hits (indices from the slice's start) where its
// rows start; they are gathered and offset afterwards.
template <class Call>
py::array_t<std::int64_t> Hits(const py::handle& boxes, int threads, const Call& call) {
  const Rows<GBox> rows = BoxRows(boxes);
  std::vector<std::size_t> found(rows.count);
  std::vector<std::size_t> counts((rows.count + kSliceRows - 1) / kSliceRows);
  const GBox* in = rows.data();
  StartCall();
  RunSliced(rows.count, threads, [&](std::size_t begin, std::size_t end) {
    counts[begin / kSliceRows] = call(in + begin, end - begin, found.data() + begin);
  });
  std::size_t total = 0;
  for (std::size_t s = 0; s < counts.size(); ++s)
    for (std::size_t i = 0; i < counts[s]; ++i)
      found[total++] = s * kSliceRows + found[s * kSliceRows + i];
  return Int64s(found.data(), total);
}

// A fence without the points to find planes from answers every box, after
// its message once: the batch call would repeat the message in every slice.
bool LacksPlanes(const GPtFence& fence) { return fence.m_count < 3 || fence.m_points == nullptr; }

void ReportLackingFence(const Fence& fence, std::size_t count) {
  if (count == 0) return;
  StartCall();
  static_cast<void>(fence.value && GBox{});
}

py::array_t<bool> FenceFlags(const Fence& f, const py::handle& boxes, int threads) {
  if (LacksPlanes(f.value)) {
    const Rows<GBox> rows = BoxRows(boxes);
    py::array_t<bool> flags(static_cast<py::ssize_t>(rows.count));
    std::fill_n(flags.mutable_data(), rows.count, true);
    ReportLackingFence(f, rows.count);
    return flags;
  }
  const Fence fence = f;
  return Flags(boxes, threads, [&fence](const GBox* b, std::size_t n, std::uint8_t* out) {
    GBatchOverlap(fence.value, b, n, kBoxStride, out);
  });
}

py::array_t<std::int64_t> FenceHits(const Fence& f, const py::handle& boxes, int threads) {
  if (LacksPlanes(f.value)) {
    const Rows<GBox> rows = BoxRows(boxes);
    std::vector<std::size_t> all(rows.count);
    for (std::size_t i = 0; i < rows.count; ++i) all[i] = i;
    ReportLackingFence(f, rows.count);
    return Int64s(all.data(), all.size());
  }
  const Fence fence = f;
  return Hits(boxes, threads, [&fence](const GBox* b, std::size_t n, std::size_t* out) {
    return GBatchOverlapHits(fence.value, b, n, kBoxStride, out);
  });
}

// A volume's flag and hit forms from its two batch calls.
template <class V, class FlagCall, class HitCall>
void BindTest(py::module_& m, const char* name, const char* hitName, FlagCall flagCall,
              HitCall hitCall, const char* doc) {
  m.def(
      name,
      [flagCall](V volume, const py::handle& boxes, int threads) {
        return Flags(boxes, threads,
                     [&volume, flagCall](const GBox* b, std::size_t n, std::uint8_t* out) {
                       flagCall(volume, b, n, kBoxStride, out);
                     });
      },
      py::arg("volume"), py::arg("boxes"), py::kw_only(), py::arg("threads") = 1, doc);
  m.def(
      hitName,
      [hitCall](V volume, const py::handle& boxes, int threads) {
        return Hits(boxes, threads,
                    [&volume, hitCall](const GBox* b, std::size_t n, std::size_t* out) {
                      return hitCall(volume, b, n, kBoxStride, out);
                    });
      },
      py::arg("volume"), py::arg("boxes"), py::kw_only(), py::arg("threads") = 1,
      "The ascending row indices (int64) of the boxes the test answers True.");
}

template <class V>
void BindOverlap(py::module_& m, const char* doc) {
  BindTest<V>(
      m, "overlaps", "overlap_hits",
      [](const V& v, const GBox* b, std::size_t n, std::size_t s, std::uint8_t* f) {
        GBatchOverlap(v, b, n, s, f);
      },
      [](const V& v, const GBox* b, std::size_t n, std::size_t s, std::size_t* h) {
        return GBatchOverlapHits(v, b, n, s, h);
      },
      doc);
}

void BindBoxTests(py::module_& m) {
  BindTest<GBox>(
      m, "overlaps", "overlap_hits",
      [](const GBox& v, const GBox* b, std::size_t n, std::size_t s, std::uint8_t* f) {
        GBatchIntersects(v, b, n, s, f);
      },
      [](const GBox& v, const GBox* b, std::size_t n, std::size_t s, std::size_t* h) {
        return GBatchIntersectsHits(v, b, n, s, h);
      },
      "A bool per box: (box & boxes[i]) is not null (GBatchIntersects).");
  BindTest<GBox>(
      m, "contains", "contains_hits",
      [](const GBox& v, const GBox* b, std::size_t n, std::size_t s, std::uint8_t* f) {
        GBatchContains(v, b, n, s, f);
      },
      [](const GBox& v, const GBox* b, std::size_t n, std::size_t s, std::size_t* h) {
        return GBatchContainsHits(v, b, n, s, h);
      },
      "A bool per box: box >> boxes[i] (GBatchContains).");
  BindTest<GBox>(
      m, "inside", "inside_hits",
      [](const GBox& v, const GBox* b, std::size_t n, std::size_t s, std::uint8_t* f) {
        GBatchInside(v, b, n, s, f);
      },
      [](const GBox& v, const GBox* b, std::size_t n, std::size_t s, std::size_t* h) {
        return GBatchInsideHits(v, b, n, s, h);
      },
      "A bool per box: box << boxes[i], the box inside each (GBatchInside).");
  BindTest<GClipVolume>(
      m, "contains", "contains_hits",
      [](const GClipVolume& v, const GBox* b, std::size_t n, std::size_t s, std::uint8_t* f) {
        GBatchContains(v, b, n, s, f);
      },
      [](const GClipVolume& v, const GBox* b, std::size_t n, std::size_t s, std::size_t* h) {
        return GBatchContainsHits(v, b, n, s, h);
      },
      "A bool per box: volume >> boxes[i] (GBatchContains).");
  BindOverlap<GClipVolume>(m, "A bool per box: volume && boxes[i] (GBatchOverlap).");
  BindOverlap<GBoreLine>(m, "A bool per box: bore && boxes[i] (GBatchOverlap).");
  m.def("overlaps", &FenceFlags, py::arg("volume"), py::arg("boxes"), py::kw_only(),
        py::arg("threads") = 1, "A bool per box: fence && boxes[i] (GBatchOverlap).");
  m.def("overlap_hits", &FenceHits, py::arg("volume"), py::arg("boxes"), py::kw_only(),
        py::arg("threads") = 1);
}

// points_in: inside flags and the first failing code, slice by slice.
template <class Call>
py::array_t<bool> PointsIn(const py::handle& points, int threads, const Call& call) {
  const Rows<GPosition> rows = PointRows<GPosition>(points, "points");
  std::vector<int> inside(rows.count);
  std::vector<long> codes((rows.count + kSliceRows - 1) / kSliceRows);
  const GPosition* in = rows.data();
  StartCall();
  RunSliced(rows.count, threads, [&](std::size_t begin, std::size_t end) {
    call(in + begin, end - begin, inside.data() + begin, &codes[begin / kSliceRows]);
  });
  for (long code : codes) Check(code, "points_in");
  py::array_t<bool> flags(static_cast<py::ssize_t>(rows.count));
  bool* out = flags.mutable_data();
  for (std::size_t i = 0; i < rows.count; ++i) out[i] = inside[i] != 0;
  return flags;
}

void BindPointTests(py::module_& m) {
  m.def(
      "points_in",
      [](GClipVolume volume, const py::handle& points, int threads) {
        return PointsIn(points, threads,
                        [&volume](const GPosition* p, std::size_t n, int* in, long* err) {
                          GBatchIsPtInClipVolume(volume, p, n, sizeof(GPosition), in, err);
                        });
      },
      py::arg("volume"), py::arg("points"), py::kw_only(), py::arg("threads") = 1,
      "A bool per point of an (n, 3) array: inside the volume (GBatchIsPtInClipVolume).");
  m.def(
      "points_in",
      [](const Fence& f, const py::handle& points, int threads) {
        const Fence fence = f;
        std::vector<GPosition> planePoints(fence.points.size() + 1);
        std::vector<GUnitVector> normals(fence.points.size() + 1);
        fence.value.FindPlanes(planePoints.data(), normals.data());
        return PointsIn(points, threads,
                        [&](const GPosition* p, std::size_t n, int* in, long* err) {
                          GBatchIsPtInPtFence(fence.value, planePoints.data(), normals.data(), p, n,
                                              sizeof(GPosition), in, err);
                        });
      },
      py::arg("volume"), py::arg("points"), py::kw_only(), py::arg("threads") = 1,
      "A bool per point of an (n, 3) array: inside the fence (GBatchIsPtInPtFence).");
}

// The transforms: element * t unless transform_first; inverse (a Transf
// only) is element ^ t, through the inverse found once.
template <class T, class Call>
py::array_t<double> Mapped(const Rows<T>& rows, int threads, const Call& call) {
  py::array_t<double> out = SameShape(rows.array);
  T* to = reinterpret_cast<T*>(out.mutable_data());
  const T* in = rows.data();
  RunSliced(rows.count, threads,
            [&](std::size_t begin, std::size_t end) { call(in + begin, end - begin, to + begin); });
  return out;
}

void Refuse(bool inverse, bool first, bool canInvert, bool canLead, const char* what) {
  if (inverse && !canInvert)
    throw py::value_error(std::string("inverse=True needs a Transf (") + what + ")");
  if (first && !canLead)
    throw py::value_error(std::string("transform_first=True has no product here (") + what + ")");
  if (inverse && first) throw py::value_error("inverse and transform_first exclude each other");
}

template <class T>
Rows<T> ElementRows(const py::handle& values);
template <>
Rows<GPosition> ElementRows(const py::handle& values) {
  return PointRows<GPosition>(values, "points");
}
template <>
Rows<GVector> ElementRows(const py::handle& values) {
  return PointRows<GVector>(values, "vectors");
}
template <>
Rows<GBox> ElementRows(const py::handle& values) {
  return BoxRows(values);
}

// The inverse of t for element ^ t, with its messages, when there is an
// element to apply it to (the batch call's own rule).
GTransf Applied(const GTransf& t, bool inverse, std::size_t count) {
  if (!inverse || count == 0) return t;
  return t.Inverse();
}

template <class T>
void BindTransforms(py::module_& m, const char* name, const char* arrayName, const char* doc) {
  constexpr std::size_t s = sizeof(T);
  constexpr bool isBox = std::is_same<T, GBox>::value;
  m.def(
      name,
      [](GMatrix mat, const py::handle& values, bool inverse, bool first, int threads) {
        Refuse(inverse, first, false, isBox, "Matrix");
        const Rows<T> rows = ElementRows<T>(values);
        StartCall();
        return Mapped(rows, threads, [&](const T* in, std::size_t n, T* out) {
          if constexpr (isBox) {
            if (first) return GBatchMultiply(mat, in, n, s, out, s);
          }
          GBatchMultiply(in, n, s, mat, out, s);
        });
      },
      py::arg("t"), py::arg(arrayName), py::kw_only(), py::arg("inverse") = false,
      py::arg("transform_first") = false, py::arg("threads") = 1, doc);
  m.def(
      name,
      [](const GTransf& t, const py::handle& values, bool inverse, bool first, int threads) {
        Refuse(inverse, first, !isBox, isBox, "Transf");
        const Rows<T> rows = ElementRows<T>(values);
        StartCall();
        const GTransf applied = Applied(t, inverse, rows.count);
        return Mapped(rows, threads, [&](const T* in, std::size_t n, T* out) {
          if constexpr (isBox) {
            if (first) return GBatchMultiply(applied, in, n, s, out, s);
          }
          GBatchMultiply(in, n, s, applied, out, s);
        });
      },
      py::arg("t"), py::arg(arrayName), py::kw_only(), py::arg("inverse") = false,
      py::arg("transform_first") = false, py::arg("threads") = 1);
  m.def(
      name,
      [](G4x4 g, const py::handle& values, bool inverse, bool first, int threads) {
        Refuse(inverse, first, false, true, "G4x4");
        const Rows<T> rows = ElementRows<T>(values);
        StartCall();
        return Mapped(rows, threads, [&](const T* in, std::size_t n, T* out) {
          if (first) return GBatchMultiply(g, in, n, s, out, s);
          GBatchMultiply(in, n, s, g, out, s);
        });
      },
      py::arg("t"), py::arg(arrayName), py::kw_only(), py::arg("inverse") = false,
      py::arg("transform_first") = false, py::arg("threads") = 1);
}

// The ranges of a sequence of volumes of one type, by GBatchRange.
template <class V, class O = V>
bool TryRanges(const py::sequence& volumes, py::array_t<double>& out) {
  if (!py::isinstance<O>(volumes[0])) return false;
  std::vector<V> values;
  for (const py::handle& volume : volumes) {
    if (!py::isinstance<O>(volume)) throw py::value_error("range_boxes needs volumes of one type");
    if constexpr (std::is_same<V, O>::value)
      values.push_back(volume.cast<const V&>());
    else
      values.push_back(volume.cast<const O&>().value);
  }
  StartCall();
  GBatchRange(values.data(), values.size(), sizeof(V), reinterpret_cast<GBox*>(out.mutable_data()),
              kBoxStride);
  return true;
}

py::array_t<double> RangeBoxes(const py::sequence& volumes) {
  py::array_t<double> out({static_cast<py::ssize_t>(py::len(volumes)), py::ssize_t{6}});
  if (py::len(volumes) == 0 || TryRanges<GClipVolume>(volumes, out) ||
      TryRanges<GBoreLine>(volumes, out) || TryRanges<GBoreCone>(volumes, out) ||
      TryRanges<GPtFence, Fence>(volumes, out) || TryRanges<GPtFrustum, Frustum>(volumes, out) ||
      TryRanges<GRtPrism, Prism>(volumes, out))
    return out;
  throw py::value_error(
      "range_boxes needs ClipVolume, BoreLine, BoreCone, PtFence, PtFrustum or "
      "RtPrism values");
}

// The benchmark's reference: one bare GBatchOverlap over every row into
// the caller's flags (uint8, n), without slices, threads or the GIL.
template <class V>
void BareBatchOverlap(const V& volume, const py::handle& boxes,
                      py::array_t<std::uint8_t, py::array::c_style> flags) {
  const Rows<GBox> rows = BoxRows(boxes);
  if (flags.size() != static_cast<py::ssize_t>(rows.count))
    throw py::value_error("one flag per box");
  std::uint8_t* out = flags.mutable_data();
  py::gil_scoped_release release;
  GBatchOverlap(volume, rows.data(), rows.count, kBoxStride, out);
}

}  // namespace

void BindBatch(py::module_& m) {
  m.def("_bare_batch_overlap", &BareBatchOverlap<GClipVolume>,
        "One bare GBatchOverlap call into flags: the benchmark's reference.");
  BindBoxTests(m);
  BindPointTests(m);
  BindTransforms<GPosition>(
      m, "transform_positions", "points",
      "A new array of the points moved: p * t (p·m for a Matrix, p * g for a G4x4), t * p with "
      "transform_first=True (a G4x4), p ^ t with inverse=True (a Transf).");
  BindTransforms<GVector>(
      m, "transform_vectors", "vectors",
      "A new array of the vectors moved: v * t (v·m, v * g), g * v with transform_first=True, "
      "v ^ t with inverse=True (a Transf).");
  BindTransforms<GBox>(
      m, "transform_boxes", "boxes",
      "A new array of the boxes moved: box * t, or t * box with transform_first=True.");
  m.def("range_boxes", &RangeBoxes, py::arg("volumes"),
        "The (n, 6) range boxes of a sequence of volumes of one type (GBatchRange).");
  m.def("batch_simd_path", &GBatchSimdPath,
        "The vector path the batch calls use: scalar, sse2, avx2 or avx512.");
}

}  // namespace gmath_py
