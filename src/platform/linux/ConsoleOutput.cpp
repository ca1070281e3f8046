#include "platform/linux/ConsoleOutput.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>

namespace aggregate::platform::console {

namespace {
const TerminalProgressLine* liveLine = nullptr;
}  // namespace

void writeToStandardError(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
}

std::size_t terminalColumns() {
  winsize size{};
  if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col < 2) return 0;
  return static_cast<std::size_t>(size.ws_col) - 1;  // the last column would wrap on some terminals
}

const TerminalProgressLine* replaceLiveLine(const TerminalProgressLine* line) {
  const TerminalProgressLine* previous = liveLine;
  liveLine = line;
  return previous;
}

void drawLiveLine() {
  if (liveLine == nullptr) return;
  writeToStandardError(kToLineStartAndErase +
                       liveLine->line(TerminalProgressLine::Clock::now(), terminalColumns()));
}

void writeTraceLine(const std::string& utf8Line) {
  writeToStandardError((liveLine != nullptr ? kToLineStartAndErase : "") + utf8Line + "\n");
  drawLiveLine();
}

}  // namespace aggregate::platform::console
