// The measure run of 1,000 measures through the tolvar program: on a pseudo-terminal its progress
// window is one line redrawn in place and a summary; through a pipe it is the trace line by line.
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "ClassCodes.h"
#include "ProjectBuilder.h"
#include "ShellCommand.h"
#include "TempDir.h"

namespace {

constexpr int kMeasures = 1000;
constexpr const char* kCaption = "Aggregation von Maßnahme-Objekten";

std::string measureName(int i) {
  char name[16];
  std::snprintf(name, sizeof name, "MAS-%04d", i);
  return name;
}

class TerminalProgress : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    temp_ = new testsupport::TempDir();
    host::ProjectBuilder builder;
    for (int i = 1; i <= kMeasures; ++i) {
      const double x = (i - 1) % 40 * 200.0;
      const double y = (i - 1) / 40 * 200.0;
      builder.addRectangle(i, measureName(i), host::kClassMAS, x, y, x + 100, y + 100);
    }
    builder.addRectangle(kMeasures + 1, "BT-1", host::kClassBT, 0, 0, 8000, 50);
    builder.addRow("BtypHtyp", kMeasures + 1, std::nullopt, {{"Biotoptyp", "GMF"}});
    builder.write(project());
  }
  static void TearDownTestSuite() {
    delete temp_;
    temp_ = nullptr;
  }
  static std::filesystem::path project() { return temp_->path() / "projekt"; }

  static std::vector<std::string> arguments() {
    std::vector<std::string> args = {TOLVAR_CLI_PATH, project().string(), "select"};
    for (int i = 1; i <= kMeasures; ++i) args.push_back(measureName(i));
    args.insert(args.end(), {",", "run", "BT_FT_FPToMAS"});
    return args;
  }

  // Everything the program writes to its terminal (standard output and error), 100 columns wide.
  static std::string runOnTerminal() {
    const std::vector<std::string> args = arguments();
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    winsize size{};
    size.ws_col = 100;
    size.ws_row = 30;
    int master = -1;
    const pid_t child = forkpty(&master, nullptr, nullptr, &size);
    if (child == 0) {
      execv(argv[0], argv.data());
      _exit(127);
    }
    EXPECT_GT(child, 0);
    std::string output;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    char buffer[4096];
    while (std::chrono::steady_clock::now() < deadline) {
      pollfd ready{master, POLLIN, 0};
      if (poll(&ready, 1, 1000) <= 0) continue;
      const ssize_t n = read(master, buffer, sizeof buffer);
      if (n <= 0) break;  // EIO once the program has ended and closed the terminal
      output.append(buffer, static_cast<std::size_t>(n));
    }
    close(master);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output.substr(0, 500);
    return withoutTolvarLines(output);
  }

  static std::string runThroughPipe() {
    std::string command = "'" + std::string(TOLVAR_CLI_PATH) + "'";
    for (std::size_t i = 1; i < arguments().size(); ++i) command += " '" + arguments()[i] + "'";
    command += " 2>&1 >/dev/null";
    const testsupport::CommandOutput result = testsupport::RunShellCommand(command);
    EXPECT_EQ(result.status, 0);
    return withoutTolvarLines(result.output);
  }

  // What the plug-in wrote: on a slow machine tolvar also says that the project is loading.
  static std::string withoutTolvarLines(const std::string& output) {
    std::string kept;
    for (std::size_t start = 0; start < output.size();) {
      const std::size_t end = std::min(output.find('\n', start), output.size() - 1) + 1;
      if (output.compare(start, 8, "tolvar: ") != 0) kept += output.substr(start, end - start);
      start = end;
    }
    return kept;
  }

 private:
  static testsupport::TempDir* temp_;
};

testsupport::TempDir* TerminalProgress::temp_ = nullptr;

std::size_t occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

TEST_F(TerminalProgress, OnATerminalOneLineIsRedrawnAndASummaryEndsIt) {
  const std::string output = runOnTerminal();
  EXPECT_EQ(output.find("[Status]"), std::string::npos);
  EXPECT_EQ(output.find("[Fenster"), std::string::npos);
  // One redraw per measure and the first drawing, then the summary; the terminal turns \n into \r\n.
  EXPECT_EQ(occurrences(output, "\r\x1b[K"), static_cast<std::size_t>(kMeasures) + 2);
  const auto summaryAt = output.rfind("\r\x1b[K");
  const std::string live = output.substr(0, summaryAt);
  EXPECT_EQ(live.find('\n'), std::string::npos) << "the live line must never start a new line";
  // 99 columns: the caption is shortened, the rest stays whole.
  EXPECT_THAT(live, ::testing::HasSubstr("… | MAS-0500 (500 von 1000) [#########-----------] 49 % | "));
  EXPECT_THAT(live, ::testing::HasSubstr("Strg+C bricht ab"));
  EXPECT_THAT(output.substr(summaryAt), ::testing::MatchesRegex("\r\x1b\\[K" + std::string(kCaption) +
                                                                ": 1000 von 1000 in [0-9]+:[0-9][0-9]\r\n"
                                                                "BT_FT_FPToMAS gab -1 zurück\r\n"));
  for (std::size_t start = 0; start < live.size();) {
    const auto end = live.find("\r\x1b[K", start + 1);
    const std::string drawn = live.substr(start, end - start);
    const auto characters =
        std::count_if(drawn.begin(), drawn.end(), [](char c) { return (c & 0xC0) != 0x80; });
    EXPECT_LE(characters - 4, 99) << drawn;  // 99 columns after "\r\x1b[K"
    start = end == std::string::npos ? live.size() : end;
  }
}

TEST_F(TerminalProgress, ThroughAPipeTheTraceIsLineByLine) {
  std::string expected = "[Fenster] " + std::string(kCaption) + "\n";
  for (int i = 1; i <= kMeasures; ++i)
    expected += "[Status] " + measureName(i) + " (" + std::to_string(i) + " von 1000)\n";
  expected += "[Fenster zu] " + std::string(kCaption) + "\n";
  EXPECT_EQ(runThroughPipe(), expected);
}

}  // namespace
