#ifndef GMATH_PYTHON_TEXT_LAYOUT_H
#define GMATH_PYTHON_TEXT_LAYOUT_H

// The text layouts of the values the library has no dump for, written in
// the style of the library's own (a header line, then the fields in
// "%20.15le"), and a Layout overload for every value, so that one printer
// and one scanner serve them all.

#include <algorithm>
#include <cstdint>

#include "gmath/gmath.h"
#include "textio/layout.h"

namespace gmath_py {

template <class W, class P>
void XyzValueText(W& w, const char* header, P& p) {
  w.Text(header);
  gmath::detail::XyzText(w, " %20.15le %20.15le %20.15le\n", p);
}

template <class W, class P>
void XyValueText(W& w, const char* header, P& p) {
  w.Text(header);
  gmath::detail::XyText(w, " %20.15le %20.15le\n", p);
}

// The count as stored (a count above 6 counts as 6), then the planes in use.
template <class W, class V>
void ClipVolumeText(W& w, V& v) {
  w.Text("GClipVolume:\n");
  w.Count(" number of planes: %lu\n", v.m_count);
  for (std::uint8_t i = 0; w.Ok() && i < std::min<std::uint8_t>(v.m_count, 6); ++i) {
    w.Plane(" [%lu] %20.15le %20.15le %20.15le %20.15le\n", i, v.m_planes[i]);
  }
}

template <class W> void Layout(W& w, GPosition& p) { XyzValueText(w, "GPosition:\n", p); }
template <class W> void Layout(W& w, GVector& v) { XyzValueText(w, "GVector:\n", v); }
template <class W> void Layout(W& w, GUnitVector& u) { XyzValueText(w, "GUnitVector:\n", u); }
template <class W> void Layout(W& w, GPosition2d& p) { XyValueText(w, "GPosition2d:\n", p); }
template <class W> void Layout(W& w, GVector2d& v) { XyValueText(w, "GVector2d:\n", v); }
template <class W> void Layout(W& w, GUnitVector2d& u) { XyValueText(w, "GUnitVector2d:\n", u); }
template <class W> void Layout(W& w, GClipVolume& v) { ClipVolumeText(w, v); }

template <class W> void Layout(W& w, GMatrix& m) { gmath::detail::MatrixText(w, m); }
template <class W> void Layout(W& w, GTransf& t) { gmath::detail::TransfText(w, t); }
template <class W> void Layout(W& w, G4x4& g) { gmath::detail::G4x4Text(w, g); }
template <class W> void Layout(W& w, GBox& b) { gmath::detail::BoxText(w, b); }
template <class W> void Layout(W& w, GBoreLine& b) { gmath::detail::BoreLineText(w, b); }
template <class W> void Layout(W& w, GBoreCone& c) { gmath::detail::BoreConeText(w, c); }
template <class W> void Layout(W& w, GPtFence& f) { gmath::detail::PtFenceText(w, f); }
template <class W> void Layout(W& w, GPtFrustum& f) { gmath::detail::PtFrustumText(w, f); }
template <class W> void Layout(W& w, GRtPrism& p) { gmath::detail::RtPrismText(w, p); }
template <class W> void Layout(W& w, GBox2d& b) { gmath::detail::Box2dText(w, b); }
template <class W> void Layout(W& w, GMatrix2d& m) { gmath::detail::Matrix2dText(w, m); }
template <class W> void Layout(W& w, GTransf2d& t) { gmath::detail::Transf2dText(w, t); }

}  // namespace gmath_py

#endif
