#include "report.h"

#include <cstdio>

#include "gmath/frame.h"

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

void ToStderr(const char* message, void*) {
  std::fprintf(stderr, "#~# %s\n", OneLine(message).c_str());
}

void Collect(const char* message, void* messages) {
  static_cast<std::vector<std::string>*>(messages)->push_back(OneLine(message));
}

}  // namespace

int Fail(const std::string& message) {
  std::fprintf(stderr, "gmath: %s\n", message.c_str());
  return kUnusable;
}

void SendMessagesToStderr() { SetMessageObserver(ToStderr, nullptr); }

MessageCollector::MessageCollector() { SetMessageObserver(Collect, &messages_); }

MessageCollector::~MessageCollector() { SendMessagesToStderr(); }
