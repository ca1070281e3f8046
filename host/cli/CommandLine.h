// tolvar <project-dir> [--plugin PATH] [--fail-call N] <command> [args] [, <command> [args]]...
// Commands run in order in one session (selection and active object carry over); a lone ","
// separates them. The whole line is checked before the first command runs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "UnnamedResults.h"
#include "UsageError.h"

namespace tolvar {

struct Command {
  std::string name;
  std::vector<std::string> args;
};

struct CommandLine {
  bool help = false;
  bool version = false;
  std::filesystem::path projectDir;
  std::optional<std::filesystem::path> plugin;
  std::int64_t failCall = 0;  // the n-th host API call fails; 0: none
  std::optional<host::UnnamedResults> unnamedResults;
  std::vector<Command> commands;
};

CommandLine parseCommandLine(const std::vector<std::string>& args);  // throws UsageError
std::string usageText();

// Exit codes, one scheme for every command.
inline constexpr int kExitOk = 0;      // the commands ran and no error box was shown
inline constexpr int kExitFailed = 1;  // an error box, a cancel, or the host could not do what was asked
inline constexpr int kExitUsage = 2;   // the command line is malformed

}  // namespace tolvar
