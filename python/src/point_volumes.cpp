#include <vector>

#include "bindings.h"
#include "owned.h"

namespace gmath_py {
namespace {

// Enough room for every point the readers accept (100).
constexpr std::size_t kReadCapacity = 100;

template <class O>
py::array_t<double> PointsView(const O& owner, const py::object& self) {
  static const double empty[3] = {};
  const double* data = owner.points.empty() ? empty : &owner.points.data()->m_x;
  py::array_t<double> view({static_cast<py::ssize_t>(owner.points.size()), py::ssize_t{3}},
                           data, self);
  py::detail::array_proxy(view.ptr())->flags &= ~py::detail::npy_api::NPY_ARRAY_WRITEABLE_;
  return view;
}

template <class O>
py::array_t<double> PointsCopy(const O& owner) {
  return Array(owner.points.empty() ? nullptr : &owner.points.data()->m_x,
               {static_cast<py::ssize_t>(owner.points.size()), 3});
}

template <class O, class Field>
O Parsed(const std::string& text, Field count) {
  O owner(std::vector<GPosition>(kReadCapacity), {});
  owner.value = FromText(text, owner.value);
  owner.points.resize(std::min<std::size_t>(count(owner.value), kReadCapacity));
  owner.Aim();
  return owner;
}

template <class O>
void BindOwned(py::class_<O>& c) {
  c.def_property_readonly(
       "points", [](const py::object& self) { return PointsView(self.cast<const O&>(), self); },
       "The points as a read-only (n, 3) view.")
      .def_property_readonly("count", [](const O& o) { return o.points.size(); })
      .def("__str__", [](const O& o) { return ToText(o.value); })
      .def("__imul__", [](O& o, const GTransf& t) -> O& {
        o.value *= t;
        return o;
      }, py::is_operator())
      .def("__imul__", [](O& o, const G4x4& g) -> O& {
        o.value *= g;
        return o;
      }, py::is_operator());
}

void BindFence(py::module_& m) {
  py::class_<Fence> fence(
      m, "PtFence",
      "A fence: the closed polygon of points swept along direction from back to front.\n"
      "overlaps(box) answers True unless one of its planes has the whole box more than the\n"
      "distance tolerance outside. It owns a copy of its points.");
  BindOwned(fence);
  fence
      .def(py::init([](const py::object& points, const GUnitVector& direction, double front,
                       double back) {
             return Fence(Points(points), GPtFence{0, nullptr, direction, front, back});
           }),
           py::arg("points"), py::arg("direction"), py::arg("front"), py::arg("back"),
           "The fields as given (points copied); build_pt_fence checks them.")
      .def_property(
          "direction", [](const Fence& f) { return f.value.m_direction; },
          [](Fence& f, const GUnitVector& u) { f.value.m_direction = u; })
      .def_property(
          "front", [](const Fence& f) { return f.value.m_front; },
          [](Fence& f, double v) { f.value.m_front = v; })
      .def_property(
          "back", [](const Fence& f) { return f.value.m_back; },
          [](Fence& f, double v) { f.value.m_back = v; })
      .def("_fields", [](const Fence& f) {
        return py::make_tuple(PointsCopy(f), f.value.m_direction, f.value.m_front,
                              f.value.m_back);
      })
      .def_static("parse", [](const std::string& text) {
        return Parsed<Fence>(text, [](const GPtFence& v) { return v.m_count; });
      }, py::arg("text"), "Reads the fields as bare numbers, in the printed order.")
      .def("overlaps", [](const Fence& f, const GBox& b) { return (f.value && b) != 0; },
           py::arg("box"), "C++ fence && box: the box may meet the fence.")
      .def("find_planes", [](const Fence& f) {
        std::vector<GPosition> points(f.points.size() + 1);
        std::vector<GUnitVector> normals(f.points.size() + 1);
        f.value.FindPlanes(points.data(), normals.data());
        return py::make_tuple(Array(&points.data()->m_x, {static_cast<py::ssize_t>(points.size()), 3}),
                              Array(&normals.data()->m_x, {static_cast<py::ssize_t>(normals.size()), 3}));
      }, "(plane points, inward normals) as arrays: front cap, the sides, back cap.")
      .def("contains_point", [](const Fence& f, const GPosition& p) {
        std::vector<GPosition> points(f.points.size() + 1);
        std::vector<GUnitVector> normals(f.points.size() + 1);
        f.value.FindPlanes(points.data(), normals.data());
        int inside = 0;
        long err = 0;
        StartCall();
        IsPtInPtFence(f.value, points.data(), normals.data(), p, &inside, &err);
        Check(err, "IsPtInPtFence");
        return inside != 0;
      }, py::arg("point"), "The point is inside the fence (IsPtInPtFence).")
      .def("range", [](const Fence& f) { return PtFenceRange(f.value); }, "The bounding box.");
  m.def("build_pt_fence", [](const py::object& points, const GUnitVector& direction,
                             double front, double back) {
    std::vector<GPosition> pts = Points(points);
    Fence f(std::vector<GPosition>(pts.size()), GPtFence{});
    long err = 0;
    StartCall();
    BuildPtFence(pts.size(), pts.data(), direction, front, back, f.value, &err);
    Check(err, "BuildPtFence");
    return f;
  }, py::arg("points"), py::arg("direction"), py::arg("front"), py::arg("back"),
        "A checked fence from a closed (n, 3) polygon (first point repeated last).");
}

void BindFrustum(py::module_& m) {
  py::class_<Frustum> frustum(m, "PtFrustum",
                              "A fence seen from an eye point. It owns a copy of its points.");
  BindOwned(frustum);
  frustum
      .def(py::init([](const Fence& fence, const GPosition& eye) {
             return Frustum(fence.points, GPtFrustum{fence.value, eye});
           }),
           py::arg("fence"), py::arg("eye_point"), "The fields as given (points copied).")
      .def_property_readonly("fence", [](const Frustum& f) {
        return Fence(f.points, f.value.m_fence);
      }, "A copy of the fence.")
      .def_property(
          "eye_point", [](const Frustum& f) { return f.value.m_eyePoint; },
          [](Frustum& f, const GPosition& p) { f.value.m_eyePoint = p; })
      .def("_fields", [](const Frustum& f) {
        return py::make_tuple(Fence(f.points, f.value.m_fence), f.value.m_eyePoint);
      })
      .def_static("parse", [](const std::string& text) {
        return Parsed<Frustum>(text, [](const GPtFrustum& v) { return v.m_fence.m_count; });
      }, py::arg("text"))
      .def("range", [](const Frustum& f) { return PtFrustumRange(f.value); }, "The bounding box.");
  m.def("build_pt_frustum", [](const Fence& fence, const GPosition& eye) {
    Frustum f(std::vector<GPosition>(fence.points.size()), GPtFrustum{});
    long err = 0;
    StartCall();
    BuildPtFrustum(fence.value, eye, f.value, &err);
    Check(err, "BuildPtFrustum");
    f.Aim();
    return f;
  }, py::arg("fence"), py::arg("eye_point"));
}

void BindPrism(py::module_& m) {
  py::class_<Prism> prism(m, "RtPrism",
                          "A right prism: the local polygon of points (z = 0) placed by transf "
                          "and extruded by height along local z. It owns a copy of its points.");
  BindOwned(prism);
  prism
      .def(py::init([](const GTransf& transf, const py::object& points, double height) {
             return Prism(Points(points), GRtPrism{transf, nullptr, 0, height});
           }),
           py::arg("transf"), py::arg("points"), py::arg("height"),
           "The fields as given (points copied); build_rt_prism checks them.")
      .def_property(
          "transf", [](const Prism& p) { return p.value.m_transf; },
          [](Prism& p, const GTransf& t) { p.value.m_transf = t; })
      .def_property(
          "height", [](const Prism& p) { return p.value.m_height; },
          [](Prism& p, double h) { p.value.m_height = h; })
      .def("_fields", [](const Prism& p) {
        return py::make_tuple(p.value.m_transf, PointsCopy(p), p.value.m_height);
      })
      .def_static("parse", [](const std::string& text) {
        return Parsed<Prism>(text, [](const GRtPrism& v) { return v.m_count; });
      }, py::arg("text"))
      .def("range", [](const Prism& p) { return RtPrismRange(p.value); }, "The bounding box.");
  m.def("build_rt_prism", [](const GTransf& transf, const py::object& points, double height) {
    std::vector<GPosition> pts = Points(points);
    Prism p(std::vector<GPosition>(pts.size()), GRtPrism{});
    long err = 0;
    StartCall();
    BuildRtPrism(transf, pts.data(), pts.size(), height, p.value, &err);
    Check(err, "BuildRtPrism");
    return p;
  }, py::arg("transf"), py::arg("points"), py::arg("height"));
  m.def("build_rt_prism", [](const py::object& points, const GUnitVector& normal, double front,
                             double back) {
    std::vector<GPosition> pts = Points(points);
    Prism p(std::vector<GPosition>(pts.size()), GRtPrism{});
    long err = 0;
    StartCall();
    BuildRtPrism(pts.data(), pts.size(), normal, front, back, p.value, &err);
    Check(err, "BuildRtPrism");
    return p;
  }, py::arg("points"), py::arg("normal"), py::arg("f_depth"), py::arg("b_depth"),
        "A checked prism from local points, or from world points in a plane across normal.");
}

}  // namespace

void BindPointVolumes(py::module_& m) {
  BindFence(m);
  BindFrustum(m);
  BindPrism(m);
}

}  // namespace gmath_py
