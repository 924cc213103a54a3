#include <cstdint>
#include <cstdio>

#include "gmath/textio.h"
#include "textio/layout.h"

namespace {

using gmath::detail::TextWalk;

// The most points a reader accepts: the room a caller is asked to provide.
constexpr unsigned long long kMaxPointsRead = 100;

// Reads field by field, each into a local first: a field is stored only
// when the scanner assigned it, and the first field it cannot read ends the
// read with code 2, so the fields after it keep their values.
class Reader : public TextWalk {
 public:
  using TextWalk::TextWalk;

  // Labels, headers and legends are not part of the bare-number form.
  void Text(const char*) {}

  template <class... Fields>
  void Numbers(const char*, Fields&... fields) {
    (Number(fields), ...);
  }

  // Wider than the 32-bit field, and than a 32-bit unsigned long: a count of
  // 2^32 + 5 must fail the limit, not pass as 5. The field keeps the count
  // saturated to 32 bits.
  void Count(const char*, std::uint32_t& count) {
    unsigned long long value = 0;
    if (!Ok() || !Scanned(std::fscanf(Stream(), "%llu", &value))) return;
    count = value > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(value);
    if (value > kMaxPointsRead) SetCode(1);
  }

  void Point(const char*, std::uint32_t, GPosition& p) { Numbers(nullptr, p.m_x, p.m_y, p.m_z); }

  // The flag keeps the low byte of the number read; nothing is written past
  // its one byte.
  void Flag(const char*, unsigned char& flag) {
    unsigned short value = 0;
    if (Ok() && Scanned(std::fscanf(Stream(), "%hu", &value))) {
      flag = static_cast<unsigned char>(value & 0xFFu);
    }
  }

 private:
  void Number(double& field) {
    double value = 0.0;
    if (Ok() && Scanned(std::fscanf(Stream(), "%lf", &value))) field = value;
  }

  // End of input, a read error or text that is not a number.
  bool Scanned(int assigned) {
    if (assigned != 1) SetCode(2);
    return assigned == 1;
  }
};

}  // namespace

using namespace gmath::detail;

void GRead_from_File(FILE* stream, GMatrix& m, long* err) {
  Reader in(stream, err);
  MatrixText(in, m);
}

void GRead_from_File(FILE* stream, GTransf& t, long* err) {
  Reader in(stream, err);
  TransfText(in, t);
}

void GRead_from_File(FILE* stream, GBox& b, long* err) {
  Reader in(stream, err);
  BoxText(in, b);
}

void GRead_from_File(FILE* stream, G4x4& g, long* err) {
  Reader in(stream, err);
  G4x4Text(in, g);
}

void GRead_from_File(FILE* stream, GBoreLine& b, long* err) {
  Reader in(stream, err);
  BoreLineText(in, b);
}

void GRead_from_File(FILE* stream, GBoreCone& c, long* err) {
  Reader in(stream, err);
  BoreConeText(in, c);
}

void GRead_from_File(FILE* stream, GRtPrism& p, long* err) {
  Reader in(stream, err);
  RtPrismText(in, p);
}

void GRead_from_File(FILE* stream, GPtFence& f, long* err) {
  Reader in(stream, err);
  PtFenceText(in, f);
}

void GRead_from_File(FILE* stream, GPtFrustum& f, long* err) {
  Reader in(stream, err);
  PtFrustumText(in, f);
}

void GRead_from_File(FILE* stream, GBox2d& b, long* err) {
  Reader in(stream, err);
  Box2dText(in, b);
}

void GRead_from_File(FILE* stream, GMatrix2d& m, long* err) {
  Reader in(stream, err);
  Matrix2dText(in, m);
}

void GRead_from_File(FILE* stream, GTransf2d& t, long* err) {
  Reader in(stream, err);
  Transf2dText(in, t);
}
