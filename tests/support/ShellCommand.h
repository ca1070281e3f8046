// Runs a command through the shell and collects what it writes to standard output; callers
// redirect standard error there when that is what they read.
#pragma once

#include <string>

namespace testsupport {

struct CommandOutput {
  std::string output;
  int status = -1;  // as pclose reports it; -1 when the command could not be started
};

CommandOutput RunShellCommand(const std::string& command);

}  // namespace testsupport
