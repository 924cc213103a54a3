#ifndef GMATH_TEXTIO_LAYOUT_H
#define GMATH_TEXTIO_LAYOUT_H

// The text layout of every printable type, written once and walked twice:
// by the printer, which writes each line with its format, and by the
// reader, which takes the same fields in the same order as bare numbers and
// skips the labels. A walker offers
//   Text(line)                     a line without fields (headers, legends)
//   Numbers(format, doubles...)    one line of doubles
//   Count(format, count)           a point count
//   Point(format, index, point)    one indexed point
//   Flag(format, flag)             a one-byte transform flag
// and does nothing once its code is not 0, so a composite value stops where
// its nested value failed.

#include <cstdint>
#include <cstdio>

#include "gmath/textio.h"
#include "textio/c_locale.h"

namespace gmath::detail {

// The stream and the result code shared by both walkers, and the "C"
// locale they print and read numbers in: one switch for the whole value,
// not one for each number.
class TextWalk {
 public:
  TextWalk(FILE* stream, long* err) : stream_(stream), err_(err) { SetCode(stream ? 0 : 2); }
  TextWalk(const TextWalk&) = delete;
  TextWalk& operator=(const TextWalk&) = delete;

  bool Ok() const { return code_ == 0; }

  // A value whose point array is null is neither printed nor read.
  bool HasPoints(const GPosition* points) {
    if (Ok() && points == nullptr) SetCode(2);
    return Ok();
  }

 protected:
  FILE* Stream() const { return stream_; }
  void SetCode(long code) {
    code_ = code;
    if (err_ != nullptr) *err_ = code;
  }

 private:
  CLocaleScope locale_;
  FILE* stream_;
  long* err_;
  long code_ = 0;
};

template <class W, class P>
void XyzText(W& w, const char* format, P& p) {
  w.Numbers(format, p.m_x, p.m_y, p.m_z);
}

template <class W, class P>
void XyText(W& w, const char* format, P& p) {
  w.Numbers(format, p.m_x, p.m_y);
}

template <class W, class T>
void FlagsText(W& w, T& t) {
  w.Flag(" hasRot: %hu\n", t.m_hasRotation);
  w.Flag(" hasRef: %hu\n", t.m_hasReflection);
  w.Flag(" hasShe: %hu\n", t.m_hasShear);
}

template <class W, class C, class P>
void PointsText(W& w, C& count, P* points) {
  w.Count(" number of points: %lu\n", count);
  for (std::uint32_t i = 0; w.Ok() && i < count; ++i) {
    w.Point(" [%lu] %20.15le %20.15le %20.15le\n", i, points[i]);
  }
}

template <class W, class M>
void MatrixText(W& w, M& m) {
  w.Text("GMatrix (in rows):\n");
  for (auto& row : m.m_matrix) w.Numbers(" %20.15le %20.15le %20.15le\n", row[0], row[1], row[2]);
}

template <class W, class T>
void TransfText(W& w, T& t) {
  w.Text("GTransf:\n");
  MatrixText(w, t.m_matrix);
  XyzText(w, " translation: %20.15le %20.15le %20.15le\n", t.m_translation);
  w.Numbers(" scaling: %20.15le\n", t.m_scaling);
  FlagsText(w, t);
}

template <class W, class B>
void BoxText(W& w, B& b) {
  w.Text("GBox:\n");
  XyzText(w, " low:  %20.15le %20.15le %20.15le\n", b.m_low);
  XyzText(w, " high: %20.15le %20.15le %20.15le\n", b.m_high);
}

// No header: the linear block and the translation row by row, an empty line
// before each row but the first, then the perspective column indented by
// one blank, then the legend. The numbers therefore come first, and a dump
// reads back as it is.
template <class W, class G>
void G4x4Text(W& w, G& g) {
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 3; ++col) {
      w.Numbers(row > 0 && col == 0 ? "\n%20.15le\n" : "%20.15le\n", g.m_matrix[4 * row + col]);
    }
  }
  for (int row = 0; row < 4; ++row) {
    w.Numbers(row == 0 ? "\n %20.15le\n" : " %20.15le\n", g.m_matrix[4 * row + 3]);
  }
  w.Text("G4x4: Rotation, Translation, extras\n");
  w.Text("Rotation: 0 1 2, 4 5 6, 8 9 10\n");
  w.Text("Translation: 12 13 14\n");
  w.Text("Extras(perspective): 3 7 11 15\n");
}

template <class W, class B>
void BoreLineText(W& w, B& b) {
  w.Text("GBoreLine:\n");
  XyzText(w, " point: %20.15le %20.15le %20.15le\n", b.m_point);
  XyzText(w, " direction: %20.15le %20.15le %20.15le\n", b.m_direction);
  w.Numbers(" front:  %20.15le\n", b.m_front);
  w.Numbers(" back:   %20.15le\n", b.m_back);
  w.Numbers(" radius: %15.15lf\n", b.m_radius);
}

template <class W, class C>
void BoreConeText(W& w, C& c) {
  w.Text("GBoreCone:\n");
  BoreLineText(w, c.m_boreLine);
  XyzText(w, " eye point: %20.15le %20.15le %20.15le\n", c.m_eyePoint);
}

template <class W, class F>
void PtFenceText(W& w, F& f) {
  if (!w.HasPoints(f.m_points)) return;
  w.Text("GPtFence:\n");
  PointsText(w, f.m_count, f.m_points);
  XyzText(w, " direction: %20.15le %20.15le %20.15le\n", f.m_direction);
  w.Numbers(" front: %20.15le\n", f.m_front);
  w.Numbers(" back:  %20.15le\n", f.m_back);
}

// The header comes before the fence's own check of its points, so a
// frustum without points still prints it.
template <class W, class F>
void PtFrustumText(W& w, F& f) {
  w.Text("GPtFrustum:\n");
  PtFenceText(w, f.m_fence);
  XyzText(w, " eye point: %20.15le %20.15le %20.15le\n", f.m_eyePoint);
}

template <class W, class P>
void RtPrismText(W& w, P& p) {
  if (!w.HasPoints(p.m_points)) return;
  w.Text("GRtPrism:\n");
  TransfText(w, p.m_transf);
  PointsText(w, p.m_count, p.m_points);
  w.Numbers(" height: %20.15le\n", p.m_height);
}

template <class W, class B>
void Box2dText(W& w, B& b) {
  w.Text("GBox2d:\n");
  XyText(w, " low:  %20.15le %20.15le\n", b.m_low);
  XyText(w, " high: %20.15le %20.15le\n", b.m_high);
}

template <class W, class M>
void Matrix2dText(W& w, M& m) {
  w.Text("GMatrix2d (in rows):\n");
  for (auto& row : m.m_matrix) w.Numbers(" %20.15le %20.15le\n", row[0], row[1]);
}

template <class W, class T>
void Transf2dText(W& w, T& t) {
  w.Text("GTransf2d:\n");
  Matrix2dText(w, t.m_matrix);
  XyText(w, " translation: %20.15le %20.15le\n", t.m_translation);
  w.Numbers(" scaling: %20.15le\n", t.m_scaling);
  FlagsText(w, t);
}

}  // namespace gmath::detail

#endif
