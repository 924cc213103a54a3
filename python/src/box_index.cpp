#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "batch_arrays.h"
#include "owned.h"

// gmath.BoxIndex: the library's static box index. The index never changes
// once built, so queries run without the GIL from any number of threads.
namespace gmath_py {
namespace {

struct BoxIndex {
  std::shared_ptr<const GBoxIndex> index;
};

// Runs call() without the GIL, its messages handed over after.
template <class Call>
auto WithoutGil(const Call& call) {
  std::vector<std::string> messages;
  StartCall();
  auto result = [&] {
    py::gil_scoped_release release;
    std::shared_lock<std::shared_mutex> tolerances(ToleranceLock());
    MessageDiversion divert(&messages);
    return call();
  }();
  Deliver(messages);
  return result;
}

BoxIndex Adopt(GBoxIndex* raw) { return {std::shared_ptr<const GBoxIndex>(raw, FreeBoxIndex)}; }

std::vector<std::uint64_t> Ids(const py::handle& ids, std::size_t count) {
  py::array array = py::array::ensure(ids);
  if (!array || (array.dtype().kind() != 'i' && array.dtype().kind() != 'u') || array.ndim() != 1 ||
      static_cast<std::size_t>(array.shape(0)) != count)
    throw py::value_error("ids must be an int64 or uint64 (n,) array, one id per box");
  auto wide = py::array_t<std::uint64_t, py::array::c_style | py::array::forcecast>::ensure(array);
  return std::vector<std::uint64_t>(wide.data(), wide.data() + count);
}

BoxIndex Build(const py::handle& boxes, const py::handle& ids) {
  const Rows<GBox> rows = BoxRows(boxes);
  std::vector<std::uint64_t> given;
  if (!ids.is_none()) given = Ids(ids, rows.count);
  GBoxIndex* raw = nullptr;
  const long code = WithoutGil([&] {
    return BuildBoxIndex(rows.data(), given.empty() ? nullptr : given.data(), rows.count, &raw);
  });
  Check(code, "BuildBoxIndex");
  return Adopt(raw);
}

py::array_t<std::int64_t> AsInt64(const std::uint64_t* ids, std::size_t count) {
  py::array_t<std::int64_t> array(static_cast<py::ssize_t>(count));
  std::int64_t* out = array.mutable_data();
  for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<std::int64_t>(ids[i]);
  return array;
}

// The ids a volume selects, gathered in one walk and put in ascending
// order as the library's query gives them.
int Collect(std::uint64_t id, void* ids) {
  static_cast<std::vector<std::uint64_t>*>(ids)->push_back(id);
  return 1;
}

template <class V>
py::array_t<std::int64_t> Query(const BoxIndex& self, const V& volume) {
  std::vector<std::uint64_t> ids = WithoutGil([&] {
    std::vector<std::uint64_t> found;
    VisitBoxIndex(self.index.get(), volume, Collect, &found);
    std::sort(found.begin(), found.end());
    return found;
  });
  return AsInt64(ids.data(), ids.size());
}

py::tuple FirstHits(const BoxIndex& self, GBoreLine bore, std::size_t count) {
  count = static_cast<std::size_t>(std::min<std::uint64_t>(count, BoxIndexCount(self.index.get())));
  std::vector<GBoxIndexHit> hits = WithoutGil([&] {
    std::vector<GBoxIndexHit> found(count);
    const std::uint64_t total = FirstBoxIndexHits(self.index.get(), bore, found.data(), count);
    found.resize(static_cast<std::size_t>(std::min<std::uint64_t>(total, count)));
    return found;
  });
  py::array_t<std::int64_t> ids(static_cast<py::ssize_t>(hits.size()));
  py::array_t<double> depths(static_cast<py::ssize_t>(hits.size()));
  for (std::size_t i = 0; i < hits.size(); ++i) {
    ids.mutable_data()[i] = static_cast<std::int64_t>(hits[i].m_id);
    depths.mutable_data()[i] = hits[i].m_depth;
  }
  return py::make_tuple(ids, depths);
}

std::string PathText(const py::handle& path) {
  return py::module_::import("os").attr("fspath")(path).cast<std::string>();
}

void Write(const BoxIndex& self, const std::string& path) {
  Check(WithoutGil([&] { return WriteBoxIndex(self.index.get(), path.c_str()); }), "WriteBoxIndex");
}

BoxIndex Read(const py::handle& path) {
  const std::string text = PathText(path);
  GBoxIndex* raw = nullptr;
  Check(WithoutGil([&] { return ReadBoxIndex(text.c_str(), &raw); }), "ReadBoxIndex");
  return Adopt(raw);
}

BoxIndex FromBytes(const py::buffer& data) {
  const py::buffer_info info = data.request();
  GBoxIndex* raw = nullptr;
  const auto size = static_cast<std::uint64_t>(info.size * info.itemsize);
  Check(WithoutGil([&] { return ReadBoxIndexFromMemory(info.ptr, size, &raw); }),
        "ReadBoxIndexFromMemory");
  return Adopt(raw);
}

// The library writes indexes to files only: through a private folder.
py::bytes ToBytes(const BoxIndex& self) {
  py::object folder = py::module_::import("tempfile").attr("TemporaryDirectory")();
  const std::string path = folder.attr("name").cast<std::string>() + "/index";
  Write(self, path);
  std::ifstream file(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  file.close();
  folder.attr("cleanup")();
  return py::bytes(bytes);
}

template <class V, class Class>
void BindQuery(Class& c) {
  c.def(
      "query", [](const BoxIndex& self, const V& volume) { return Query(self, V(volume)); },
      py::arg("volume"),
      "The ids, ascending, of the boxes a scan with the library's test for this volume would\n"
      "select, under the tolerances of the moment; a cone, frustum or prism selects by its\n"
      "range box.");
}

template <class O, class Class>
void BindOwnedQuery(Class& c) {
  c.def(
      "query",
      [](const BoxIndex& self, const O& volume) {
        const O copy = volume;
        return Query(self, copy.value);
      },
      py::arg("volume"),
      "The ids, ascending, of the boxes a scan with the library's test for this volume would\n"
      "select, under the tolerances of the moment; a cone, frustum or prism selects by its\n"
      "range box.");
}

}  // namespace

void BindBoxIndex(py::module_& m) {
  py::class_<BoxIndex> c(
      m, "BoxIndex",
      "A static index over an (n, 6) or (n, 2, 3) array of boxes, each with an id (int64 or\n"
      "uint64 (n,), row numbers by default). query(volume) answers the ascending ids a scan\n"
      "with the library's test would, under the tolerances of the moment; queries release\n"
      "the GIL and may run from many threads at once.");
  c.def(py::init(&Build), py::arg("boxes"), py::arg("ids") = py::none())
      .def("__len__", [](const BoxIndex& self) {
        return static_cast<std::size_t>(BoxIndexCount(self.index.get()));
      });
  BindQuery<GBox>(c);
  BindQuery<GBoreLine>(c);
  BindQuery<GClipVolume>(c);
  BindQuery<GBoreCone>(c);
  BindOwnedQuery<Fence>(c);
  BindOwnedQuery<Frustum>(c);
  BindOwnedQuery<Prism>(c);
  c.def("first_hits", &FirstHits, py::arg("bore"), py::arg("count"),
        "(ids int64, entry depths float64) of the first count boxes the bore meets, nearest "
        "first.")
      .def(
          "write",
          [](const BoxIndex& self, const py::handle& path) { Write(self, PathText(path)); },
          py::arg("path"), "Writes the index to a file, replaced whole.")
      .def_static("read", &Read, py::arg("path"),
                  "The index a file written by write() holds; a damaged file or one of another\n"
                  "version raises RejectedError with the library's message.")
      .def_static("from_bytes", &FromBytes, py::arg("data"),
                  "The index that to_bytes() gave, checked as a file is.")
      .def("to_bytes", &ToBytes, "The index in its file form.")
      .def(py::pickle([](const BoxIndex& self) { return py::make_tuple(ToBytes(self)); },
                      [](const py::tuple& state) { return FromBytes(state[0]); }));
}

}  // namespace gmath_py
