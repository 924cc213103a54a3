// Feeds the same bytes to every reader through a memory stream and checks
// what a read may leave behind:
//   - a code of 0, 1 or 2, and 1 only for a count above 100;
//   - the fields written form a prefix of the fields in read order: nothing
//     is written after a field that could not be read, nor after a count
//     above 100;
//   - code 0 only when every field was written;
//   - no point written beyond the count read (AddressSanitizer guards the
//     end of the 100-point array).
// A value read completely is then printed, to exercise the printers with
// whatever numbers the scanner produced.
//
// Flags are left out of the prefix check: any byte value can be read into
// them, so none can mark a flag as unwritten.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "gmath/gmath.h"
#include "memory_stream.h"

namespace {

// A signalling NaN. The scanner quiets every NaN it produces, so a double
// that still holds this was not written; a count holds its low four bytes
// (3735928559 when written would be a count above 100, code 1).
constexpr std::uint64_t kUnread = 0x7FF00000DEADBEEFull;
constexpr std::uint32_t kRoom = 100;

struct Field {
  const void* at;
  std::size_t size;
  bool Unread() const { return std::memcmp(at, &kUnread, size) == 0; }
};

[[noreturn]] void Fail(const char* type, const char* what) {
  std::fprintf(stderr, "GRead_from_File(%s): %s\n", type, what);
  std::abort();
}

template <class V, class P>
void Xyz(V& v, P& p) {
  v(p.m_x);
  v(p.m_y);
  v(p.m_z);
}

template <class V, class P>
void Xy(V& v, P& p) {
  v(p.m_x);
  v(p.m_y);
}

// Before the read: marks every field as unwritten, the whole room of a
// point array included.
class Marker {
 public:
  template <class T>
  void operator()(T& field) {
    std::memcpy(&field, &kUnread, sizeof field);
  }
  void Points(std::uint32_t& count, GPosition* points) {
    (*this)(count);
    for (std::uint32_t i = 0; i < kRoom; ++i) Xyz(*this, points[i]);
  }
};

// After the read: lists the fields in read order, with the points up to the
// count read, and checks them against the code.
class Checker {
 public:
  template <class T>
  void operator()(const T& field) {
    order_.push_back({&field, sizeof field});
  }

  // Points beyond the count read must be untouched; so must all of them
  // when the count is unread or above 100.
  void Points(const std::uint32_t& count, const GPosition* points) {
    (*this)(count);
    const bool countRead = !order_.back().Unread();
    if (countRead && count > kRoom) {
      countAbove_ = true;
      countIndex_ = order_.size() - 1;
    }
    const std::uint32_t listed = countRead && count <= kRoom ? count : 0;
    for (std::uint32_t i = 0; i < kRoom; ++i) {
      for (const double* d : {&points[i].m_x, &points[i].m_y, &points[i].m_z}) {
        (i < listed ? order_ : untouched_).push_back({d, sizeof *d});
      }
    }
  }

  void Check(const char* type, long code) const {
    if (code != 0 && code != 1 && code != 2) Fail(type, "code other than 0, 1, 2");
    if ((code == 1) != countAbove_) Fail(type, "code 1 and a count above 100 disagree");
    std::size_t written = 0;
    while (written < order_.size() && !order_[written].Unread()) ++written;
    for (std::size_t i = written; i < order_.size(); ++i) {
      if (!order_[i].Unread()) Fail(type, "field written after an unread one");
    }
    for (const Field& f : untouched_) {
      if (!f.Unread()) Fail(type, "point written beyond the count");
    }
    if (code == 0 && written != order_.size()) Fail(type, "code 0 with a field unread");
    if (countAbove_ && written != countIndex_ + 1) Fail(type, "field read after a count above 100");
  }

 private:
  std::vector<Field> order_;
  std::vector<Field> untouched_;
  bool countAbove_ = false;
  std::size_t countIndex_ = 0;
};

// The fields of each type in read order, flags left out.
template <class V, std::size_t R, std::size_t C>
void Rows(V& v, double (&rows)[R][C]) {
  for (auto& row : rows) {
    for (double& d : row) v(d);
  }
}
template <class V>
void Fields(V& v, GMatrix& m) {
  Rows(v, m.m_matrix);
}
template <class V>
void Fields(V& v, GTransf& t) {
  Fields(v, t.m_matrix);
  Xyz(v, t.m_translation);
  v(t.m_scaling);
}
template <class V>
void Fields(V& v, GBox& b) {
  Xyz(v, b.m_low);
  Xyz(v, b.m_high);
}
template <class V>
void Fields(V& v, G4x4& g) {
  for (int i : {0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 3, 7, 11, 15}) v(g.m_matrix[i]);
}
template <class V>
void Fields(V& v, GBoreLine& b) {
  Xyz(v, b.m_point);
  Xyz(v, b.m_direction);
  v(b.m_front);
  v(b.m_back);
  v(b.m_radius);
}
template <class V>
void Fields(V& v, GBoreCone& c) {
  Fields(v, c.m_boreLine);
  Xyz(v, c.m_eyePoint);
}
template <class V>
void Fields(V& v, GPtFence& f) {
  v.Points(f.m_count, f.m_points);
  Xyz(v, f.m_direction);
  v(f.m_front);
  v(f.m_back);
}
template <class V>
void Fields(V& v, GPtFrustum& f) {
  Fields(v, f.m_fence);
  Xyz(v, f.m_eyePoint);
}
template <class V>
void Fields(V& v, GRtPrism& p) {
  Fields(v, p.m_transf);
  v.Points(p.m_count, p.m_points);
  v(p.m_height);
}
template <class V>
void Fields(V& v, GBox2d& b) {
  Xy(v, b.m_low);
  Xy(v, b.m_high);
}
template <class V>
void Fields(V& v, GMatrix2d& m) {
  Rows(v, m.m_matrix);
}
template <class V>
void Fields(V& v, GTransf2d& t) {
  Fields(v, t.m_matrix);
  Xy(v, t.m_translation);
  v(t.m_scaling);
}

template <class T>
void ReadOne(const char* type, const std::uint8_t* data, std::size_t size, T& value) {
  Marker marker;
  Fields(marker, value);
  FILE* in = OpenMemory(data, size);
  if (in == nullptr) return;
  long code = -1;
  GRead_from_File(in, value, &code);
  std::fclose(in);
  Checker checker;
  Fields(checker, value);
  checker.Check(type, code);
  if (code == 0 && Sink() != nullptr) GPrint_to_File(Sink(), value, &code);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<GPosition> points(kRoom);
  GMatrix matrix;
  GTransf transf;
  GBox box;
  G4x4 g4x4;
  GBoreLine boreLine;
  GBoreCone boreCone;
  GPtFence fence{0, points.data(), {}, 0, 0};
  GPtFrustum frustum{{0, points.data(), {}, 0, 0}, {}};
  GRtPrism prism{{}, points.data(), 0, 0};
  GBox2d box2d;
  GMatrix2d matrix2d;
  GTransf2d transf2d;
  ReadOne("GMatrix", data, size, matrix);
  ReadOne("GTransf", data, size, transf);
  ReadOne("GBox", data, size, box);
  ReadOne("G4x4", data, size, g4x4);
  ReadOne("GBoreLine", data, size, boreLine);
  ReadOne("GBoreCone", data, size, boreCone);
  ReadOne("GPtFence", data, size, fence);
  ReadOne("GPtFrustum", data, size, frustum);
  ReadOne("GRtPrism", data, size, prism);
  ReadOne("GBox2d", data, size, box2d);
  ReadOne("GMatrix2d", data, size, matrix2d);
  ReadOne("GTransf2d", data, size, transf2d);
  return 0;
}
