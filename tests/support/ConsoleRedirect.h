// Captures what the process writes to a file descriptor and feeds standard input from a text, by
// redirecting the descriptors themselves, so output of a loaded plug-in is caught as well.
#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

// Redirects fd (1 or 2) into a temporary file for the object's lifetime.
class OutputCapture {
 public:
  explicit OutputCapture(int fd);
  ~OutputCapture();
  OutputCapture(const OutputCapture&) = delete;
  OutputCapture& operator=(const OutputCapture&) = delete;

  // Everything written so far (C and C++ streams flushed first).
  std::string text() const;

 private:
  int fd_;
  int savedFd_;
  std::filesystem::path file_;
};

class StderrCapture : public OutputCapture {
 public:
  StderrCapture() : OutputCapture(2) {}
};

class StdoutCapture : public OutputCapture {
 public:
  StdoutCapture() : OutputCapture(1) {}
};

// Standard input reads this text, then end of input, for the object's lifetime.
class StdinFeed {
 public:
  explicit StdinFeed(const std::string& input);
  ~StdinFeed();
  StdinFeed(const StdinFeed&) = delete;
  StdinFeed& operator=(const StdinFeed&) = delete;

 private:
  int savedFd_;
  std::filesystem::path file_;
};

}  // namespace testsupport
