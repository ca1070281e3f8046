// The tolvar program without its main(): parses the line, runs the commands, reports errors as one
// line on err. Returns the exit code: 0 success, 1 a command failed, 2 a malformed command line.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace tolvar {

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::filesystem::path& defaultPlugin);

// aggregate.so next to the running program, else the one of the build tree.
std::filesystem::path defaultPluginPath();

}  // namespace tolvar
