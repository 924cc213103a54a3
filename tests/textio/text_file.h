#ifndef GMATH_TESTS_TEXTIO_TEXT_FILE_H
#define GMATH_TESTS_TEXTIO_TEXT_FILE_H

#include <cstdio>
#include <string>

namespace gmath::test {

// A temporary stream (tmpfile, binary on every platform), optionally holding
// a text and rewound to its start.
class TextFile {
 public:
  TextFile() : file_(std::tmpfile()) {}
  explicit TextFile(const std::string& text) : TextFile() {
    std::fputs(text.c_str(), file_);
    std::rewind(file_);
  }
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;
  ~TextFile() {
    if (file_ != nullptr) std::fclose(file_);
  }

  FILE* get() const { return file_; }

  // Everything from the current position on.
  std::string Rest() const {
    std::string text;
    for (int c = std::fgetc(file_); c != EOF; c = std::fgetc(file_)) text += static_cast<char>(c);
    return text;
  }
  std::string All() const {
    std::rewind(file_);
    return Rest();
  }

 private:
  FILE* file_;
};

// Expected dumps are written with two exponent digits, as C99 prints them.
// Microsoft's old C runtime (msvcrt) prints at least three; MinGW compiles
// C++ with its own printf (__USE_MINGW_ANSI_STDIO), and the universal C
// runtime prints two.
#if defined(_WIN32) && !defined(_UCRT) && !(defined(__USE_MINGW_ANSI_STDIO) && __USE_MINGW_ANSI_STDIO)
constexpr bool kThreeExponentDigits = true;
#else
constexpr bool kThreeExponentDigits = false;
#endif

inline std::string AsPrintedHere(const std::string& text) {
  if (!kThreeExponentDigits) return text;
  auto digit = [&](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    const bool sign = text[i] == '+' || text[i] == '-';
    if (sign && i > 0 && text[i - 1] == 'e' && digit(i + 1) && digit(i + 2) && !digit(i + 3)) {
      out += '0';
    }
  }
  return out;
}

}  // namespace gmath::test

#endif
