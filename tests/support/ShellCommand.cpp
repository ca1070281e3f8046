#include "ShellCommand.h"

#include <cstdio>

namespace testsupport {

CommandOutput RunShellCommand(const std::string& command) {
  CommandOutput result;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
  result.status = pclose(pipe);
  return result;
}

}  // namespace testsupport
