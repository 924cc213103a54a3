#include "text_lines.h"

namespace {

std::string Number(std::size_t n) { return std::to_string(n); }

}  // namespace

std::string ForEachLine(FILE* stream, const std::function<bool(const std::string&)>& onLine) {
  std::string line;
  std::size_t lineNumber = 1;
  std::size_t total = 0;
  for (int c; (c = std::getc(stream)) != EOF;) {
    if (++total > kMaxInputBytes) {
      return "more than " + Number(kMaxInputBytes) + " bytes, longer than any value's text";
    }
    if (c == '\0') {
      return "line " + Number(lineNumber) + ", column " + Number(line.size() + 1) +
             ": a NUL byte, which no text holds";
    }
    if (c != '\n') {
      if (line.size() == kMaxLineBytes) {
        return "line " + Number(lineNumber) + " is longer than " + Number(kMaxLineBytes) + " bytes";
      }
      line += static_cast<char>(c);
      continue;
    }
    if (!onLine(line)) return "";
    line.clear();
    ++lineNumber;
  }
  if (!line.empty()) onLine(line);
  return "";
}
