#pragma once
// What a progress window shows when standard error is a terminal: one line that is redrawn in place
// (caption, label, a bar where the label tells "(i von n)", elapsed and remaining time, the Ctrl-C
// hint) and a one-line summary when it closes. Texts are UTF-8; nothing here writes.
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

namespace aggregate::platform {

struct LabelCount {
  long current = 0;
  long total = 0;
};

// "(i von n)" anywhere in the label, with 1 <= i <= n.
std::optional<LabelCount> labelCountOf(const std::string& label);

class TerminalProgressLine {
 public:
  using Clock = std::chrono::steady_clock;

  TerminalProgressLine(std::string caption, bool cancellable, Clock::time_point start);

  void setCaption(std::string caption) { caption_ = std::move(caption); }
  void setLabel(std::string label) { label_ = std::move(label); }
  void markCancelled() { cancelled_ = true; }

  // The live line, fitted to the terminal's width in characters (0: no limit): the caption is
  // shortened first, then the bar goes, then the label loses its start; the count, the times and the
  // Ctrl-C hint stay. The estimate of the rest appears once enough is done to tell.
  std::string line(Clock::time_point now, std::size_t columns) const;
  std::string summary(Clock::time_point now) const;

 private:
  std::string caption_;
  std::string label_;
  bool cancellable_;
  bool cancelled_ = false;
  Clock::time_point start_;
};

}  // namespace aggregate::platform
