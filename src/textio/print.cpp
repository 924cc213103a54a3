#include <cstdint>
#include <cstdio>

#include "gmath/textio.h"
#include "textio/layout.h"

namespace {

using gmath::detail::TextWalk;

class Printer : public TextWalk {
 public:
  using TextWalk::TextWalk;

  void Text(const char* line) {
    if (Ok()) Check(std::fputs(line, Stream()) >= 0);
  }

  template <class... Values>
  void Numbers(const char* format, Values... values) {
    if (Ok()) Check(std::fprintf(Stream(), format, values...) >= 0);
  }

  // "%lu" takes an unsigned long, whatever the width of the count.
  void Count(const char* format, std::uint32_t count) {
    Numbers(format, static_cast<unsigned long>(count));
  }

  void Point(const char* format, std::uint32_t index, const GPosition& p) {
    Numbers(format, static_cast<unsigned long>(index), p.m_x, p.m_y, p.m_z);
  }

  // Zero-extended, so a flag prints from 0 to 255 whatever the signedness
  // of char.
  void Flag(const char* format, unsigned char flag) {
    Numbers(format, static_cast<unsigned short>(flag));
  }

 private:
  // A write the stream refuses ends the print with code 2. Some C libraries
  // (MinGW's own printf) count the characters even when the stream refused
  // them, so the stream's error indicator is asked as well.
  void Check(bool written) {
    if (!written || std::ferror(Stream()) != 0) SetCode(2);
  }
};

}  // namespace

using namespace gmath::detail;

void GPrint_to_File(FILE* stream, const GMatrix& m, long* err) {
  Printer out(stream, err);
  MatrixText(out, m);
}

void GPrint_to_File(FILE* stream, const GTransf& t, long* err) {
  Printer out(stream, err);
  TransfText(out, t);
}

void GPrint_to_File(FILE* stream, const GBox& b, long* err) {
  Printer out(stream, err);
  BoxText(out, b);
}

void GPrint_to_File(FILE* stream, const G4x4& g, long* err) {
  Printer out(stream, err);
  G4x4Text(out, g);
}

void GPrint_to_File(FILE* stream, const GBoreLine& b, long* err) {
  Printer out(stream, err);
  BoreLineText(out, b);
}

void GPrint_to_File(FILE* stream, const GBoreCone& c, long* err) {
  Printer out(stream, err);
  BoreConeText(out, c);
}

void GPrint_to_File(FILE* stream, const GRtPrism& p, long* err) {
  Printer out(stream, err);
  RtPrismText(out, p);
}

void GPrint_to_File(FILE* stream, const GPtFence& f, long* err) {
  Printer out(stream, err);
  PtFenceText(out, f);
}

void GPrint_to_File(FILE* stream, const GPtFrustum& f, long* err) {
  Printer out(stream, err);
  PtFrustumText(out, f);
}

void GPrint_to_File(FILE* stream, const GBox2d& b, long* err) {
  Printer out(stream, err);
  Box2dText(out, b);
}

void GPrint_to_File(FILE* stream, const GMatrix2d& m, long* err) {
  Printer out(stream, err);
  Matrix2dText(out, m);
}

void GPrint_to_File(FILE* stream, const GTransf2d& t, long* err) {
  Printer out(stream, err);
  Transf2dText(out, t);
}
