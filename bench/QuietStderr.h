// Standard error goes to /dev/null while a QuietStderr lives: the console face traces every label.
#pragma once

#include <fcntl.h>
#include <unistd.h>

namespace bench {

class QuietStderr {
 public:
  QuietStderr() : saved_(dup(STDERR_FILENO)) {
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDERR_FILENO);
    close(devNull);
  }
  ~QuietStderr() {
    dup2(saved_, STDERR_FILENO);
    close(saved_);
  }
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_;
};

}  // namespace bench
