#ifndef GMATH_TOOL_REPORT_H
#define GMATH_TOOL_REPORT_H

#include <string>
#include <vector>

// Exit statuses: the work was done; the answer was "no" (check found
// messages, convert or heal could not); the command line or an input was
// unusable.
enum ExitStatus { kDone = 0, kRefused = 1, kUnusable = 2 };

// Writes "gmath: <message>" as one line to standard error; returns kUnusable.
int Fail(const std::string& message);

// The library's messages go to standard error, in its own log line form,
// so that they never mix into a dump on standard output.
void SendMessagesToStderr();

// Collects the library's messages, one line each, while it lives.
class MessageCollector {
 public:
  MessageCollector();
  ~MessageCollector();
  MessageCollector(const MessageCollector&) = delete;
  MessageCollector& operator=(const MessageCollector&) = delete;

  const std::vector<std::string>& Messages() const { return messages_; }

 private:
  std::vector<std::string> messages_;
};

#endif
