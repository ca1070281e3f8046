#pragma once
// Standard error as the console face writes to it: trace lines, and the one progress line that
// may be live at the bottom of a terminal.
#include <cstddef>
#include <string>

#include "platform/linux/TerminalProgressLine.h"

namespace aggregate::platform::console {

inline constexpr const char* kToLineStartAndErase = "\r\x1b[K";

void writeToStandardError(const std::string& text);
// Columns the live line may use; 0 when standard error is no terminal.
std::size_t terminalColumns();

// The progress line on screen, if any: a line written meanwhile erases it and draws it again
// below. Returns the one it replaces.
const TerminalProgressLine* replaceLiveLine(const TerminalProgressLine* line);
void drawLiveLine();
void writeTraceLine(const std::string& utf8Line);

}  // namespace aggregate::platform::console
