#include "printable.h"

#include <cstdio>

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The lowest and highest second byte a lead byte allows, so that overlong
// forms, surrogates and code points above U+10FFFF are refused.
struct Lead {
  std::size_t length;
  unsigned char low;
  unsigned char high;
};

Lead LeadOf(unsigned char byte) {
  if (byte >= 0xC2 && byte <= 0xDF) return {2, 0x80, 0xBF};
  if (byte == 0xE0) return {3, 0xA0, 0xBF};
  if (byte == 0xED) return {3, 0x80, 0x9F};
  if (byte >= 0xE1 && byte <= 0xEF) return {3, 0x80, 0xBF};
  if (byte == 0xF0) return {4, 0x90, 0xBF};
  if (byte >= 0xF1 && byte <= 0xF3) return {4, 0x80, 0xBF};
  if (byte == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

// The length of the valid, non-control UTF-8 character at text[at]; 0 when
// the byte there must be escaped. U+0080 to U+009F are controls as well: some
// terminals act on them.
std::size_t CharacterLength(const std::string& text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char first = byte(at);
  if (first >= 0x20 && first < 0x7F) return 1;
  const Lead lead = LeadOf(first);
  if (lead.length == 0 || text.size() - at < lead.length) return 0;
  const unsigned char second = byte(at + 1);
  if (second < lead.low || second > lead.high) return 0;
  if (first == 0xC2 && second < 0xA0) return 0;
  for (std::size_t i = 2; i < lead.length; ++i) {
    if (!IsContinuation(byte(at + i))) return 0;
  }
  return lead.length;
}

std::string Escaped(unsigned char byte) {
  char code[5];
  std::snprintf(code, sizeof code, "\\x%02x", byte);
  return code;
}

}  // namespace

std::string Printable(const std::string& text) {
  std::string printable;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = CharacterLength(text, at);
    if (length == 0) {
      printable += Escaped(static_cast<unsigned char>(text[at]));
      ++at;
    } else {
      printable.append(text, at, length);
      at += length;
    }
  }
  return printable;
}
