#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bindings.h"
#include "text.h"

namespace gmath_py {

// A temporary file rather than a memory stream: it is the one stream type
// every platform's C library offers.
std::string TextOfFile(FILE* file, long err, const char* what) {
  std::string text;
  if (file != nullptr) {
    std::rewind(file);
    char buffer[4096];
    std::size_t read;
    while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, read);
    std::fclose(file);
  }
  Check(file == nullptr ? 2 : err, what);
  return text;
}

FILE* FileOfText(const std::string& text) {
  FILE* file = std::tmpfile();
  if (file == nullptr) throw std::runtime_error("no temporary file for the text");
  std::fwrite(text.data(), 1, text.size(), file);
  std::rewind(file);
  return file;
}

void FinishRead(FILE* file, long err, const char* what) {
  std::fclose(file);
  Check(err, what);
}

TextScanner::TextScanner(std::string text, const char* what)
    : text_(std::move(text)), what_(what), labelled_(text_.find(':') != std::string::npos) {}

bool TextScanner::HasPoints(const GPosition* points) {
  if (points == nullptr) Fail(2, "the value has no point array");
  return Ok();
}

void TextScanner::Text(const char* line) {
  if (labelled_) Take(line, 0);
}

void TextScanner::Point(const char* format, std::uint32_t index, GPosition& p) {
  double* out[] = {&p.m_x, &p.m_y, &p.m_z};
  Indexed(format, index, out, 3);
}

void TextScanner::Plane(const char* format, std::uint8_t index, double (&row)[4]) {
  double* out[] = {&row[0], &row[1], &row[2], &row[3]};
  Indexed(format, index, out, 4);
}

void TextScanner::Flag(const char* format, unsigned char& flag) {
  std::vector<std::string> tokens = Take(format, 1);
  unsigned long long value = 0;
  if (!Ok() || !Integer(tokens[0], value)) return;
  flag = static_cast<unsigned char>(value & 0xFFu);
  bare_ += tokens[0] + "\n";
}

void TextScanner::Finish() {
  SkipSpace();
  if (Ok() && pos_ < text_.size()) Fail(2, "unexpected text after the value");
}

// In the labelled text, a blank in the format stands for any run of
// blanks, a conversion for one number, and any other character must be
// there as it is.
std::vector<std::string> TextScanner::Take(const char* format, std::size_t bareCount) {
  std::vector<std::string> tokens;
  if (!labelled_) {
    while (Ok() && tokens.size() < bareCount) tokens.push_back(Token());
    return tokens;
  }
  for (const char* f = format; Ok() && *f != '\0'; ++f) {
    if (*f == '%') {
      f += std::strspn(f + 1, "0123456789.lh") + 1;
      tokens.push_back(Token());
    } else if (std::isspace(static_cast<unsigned char>(*f))) {
      SkipSpace();
    } else if (pos_ < text_.size() && text_[pos_] == *f) {
      ++pos_;
    } else {
      const char* start = f;
      while (start > format && !std::isspace(static_cast<unsigned char>(start[-1]))) --start;
      std::size_t from = pos_ - static_cast<std::size_t>(f - start);
      std::size_t to = text_.find_first_of(" \t\r\n", pos_);
      Fail(2, "expected \"" + std::string(start, std::strcspn(start, " \n%")) + "\", found \"" +
                  text_.substr(from, to == std::string::npos ? to : to - from) + "\"");
    }
  }
  return tokens;
}

void TextScanner::Store(const std::vector<std::string>& tokens, double* const* out,
                        std::size_t count) {
  for (std::size_t i = 0; Ok() && i < count; ++i) {
    char* end = nullptr;
    double value = std::strtod(tokens[i].c_str(), &end);
    if (end != tokens[i].c_str() + tokens[i].size()) {
      Fail(2, "\"" + tokens[i] + "\" is not a number");
      return;
    }
    *out[i] = value;
    bare_ += tokens[i] + "\n";
  }
}

void TextScanner::Indexed(const char* format, unsigned long index, double* const* out,
                          std::size_t count) {
  std::vector<std::string> tokens = Take(format, count);
  if (!Ok()) return;
  if (labelled_) {
    if (tokens[0] != std::to_string(index)) Fail(2, "expected index " + std::to_string(index));
    tokens.erase(tokens.begin());
  }
  Store(tokens, out, count);
}

std::uint32_t TextScanner::TakeCount(const char* format, std::uint32_t limit,
                                     std::uint32_t count) {
  std::vector<std::string> tokens = Take(format, 1);
  unsigned long long value = 0;
  if (!Ok() || !Integer(tokens[0], value)) return count;
  if (value > limit) {
    Fail(1, "a count of " + tokens[0] + " is above the " + std::to_string(limit) +
                " the value holds");
    return count;
  }
  bare_ += tokens[0] + "\n";
  return static_cast<std::uint32_t>(value);
}

bool TextScanner::Integer(const std::string& token, unsigned long long& value) {
  char* end = nullptr;
  value = std::strtoull(token.c_str(), &end, 10);
  bool whole = std::isdigit(static_cast<unsigned char>(token[0])) &&
               end == token.c_str() + token.size() && value != ULLONG_MAX;
  if (!whole) Fail(2, "\"" + token + "\" is not a count");
  return whole;
}

// A number runs to the next blank or bracket.
std::string TextScanner::Token() {
  SkipSpace();
  std::size_t start = pos_;
  while (pos_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[pos_])) ||
                                 std::strchr("+-.", text_[pos_]) != nullptr)) {
    ++pos_;
  }
  if (pos_ == start) Fail(2, pos_ < text_.size() ? "expected a number" : "the text ends early");
  return text_.substr(start, pos_ - start);
}

void TextScanner::SkipSpace() {
  while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
}

void TextScanner::Fail(long code, const std::string& message) {
  if (!Ok()) return;
  code_ = code;
  std::size_t line = 1;
  for (std::size_t i = 0; i < pos_ && i < text_.size(); ++i) line += text_[i] == '\n' ? 1 : 0;
  message_ = std::string(what_) + " text, line " + std::to_string(line) + ": " + message;
}

}  // namespace gmath_py
