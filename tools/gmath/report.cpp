#include "report.h"

#include <cstdio>

#include "gmath/frame.h"
#include "printable.h"

namespace {

// Some messages end with their own newline; a line holds one message.
std::string OneLine(const char* message) {
  std::string line = message != nullptr ? message : "";
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  for (char& c : line) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return line;
}

void ToStream(const char* message, void* err) {
  std::fprintf(static_cast<FILE*>(err), "#~# %s\n", OneLine(message).c_str());
}

void Collect(const char* message, void* messages) {
  static_cast<std::vector<std::string>*>(messages)->push_back(OneLine(message));
}

}  // namespace

void Say(FILE* err, const std::string& message) {
  std::fprintf(err, "gmath: %s\n", Printable(message).c_str());
}

int Fail(FILE* err, const std::string& message) {
  Say(err, message);
  return kUnusable;
}

void SendMessagesTo(FILE* err) { SetMessageObserver(ToStream, err); }

MessageCollector::MessageCollector(FILE* err) : err_(err) {
  SetMessageObserver(Collect, &messages_);
}

MessageCollector::~MessageCollector() { SendMessagesTo(err_); }
