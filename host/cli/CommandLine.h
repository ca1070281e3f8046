// tolvar <project-dir> [--plugin PATH] [--fail-call N] <command> [args] [, <command> [args]]...
// Commands run in order in one session (selection and active object carry over); a lone ","
// separates them. The whole line is checked before the first command runs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "UnnamedResults.h"

namespace tolvar {

struct Command {
  std::string name;
  std::vector<std::string> args;
};

struct CommandLine {
  bool help = false;
  std::filesystem::path projectDir;
  std::optional<std::filesystem::path> plugin;
  std::int64_t failCall = 0;  // the n-th host API call fails; 0: none
  std::optional<host::UnnamedResults> unnamedResults;
  std::vector<Command> commands;
};

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

CommandLine parseCommandLine(const std::vector<std::string>& args);  // throws UsageError
extern const char* const kUsage;

}  // namespace tolvar
