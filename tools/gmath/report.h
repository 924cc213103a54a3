#ifndef GMATH_TOOL_REPORT_H
#define GMATH_TOOL_REPORT_H

#include <cstdio>
#include <string>
#include <vector>

// Exit statuses: the work was done; the answer was "no" (check found
// messages, convert or heal could not); the command line or an input was
// unusable.
enum ExitStatus { kDone = 0, kRefused = 1, kUnusable = 2 };

// Writes "gmath: <message>" as one line to err, with the bytes a terminal
// would act on escaped, since it may quote a file name or an operand.
void Say(FILE* err, const std::string& message);

// Says the message and returns kUnusable.
int Fail(FILE* err, const std::string& message);

// The library's messages go to err (standard error), in its own log line
// form, so that they never mix into a dump on standard output.
void SendMessagesTo(FILE* err);

// Collects the library's messages, one line each, while it lives; then
// sends them to err again.
class MessageCollector {
 public:
  explicit MessageCollector(FILE* err);
  ~MessageCollector();
  MessageCollector(const MessageCollector&) = delete;
  MessageCollector& operator=(const MessageCollector&) = delete;

  const std::vector<std::string>& Messages() const { return messages_; }

 private:
  FILE* err_;
  std::vector<std::string> messages_;
};

#endif
