#include "ProgressLine.h"

#include <algorithm>

namespace tolvar {

namespace {
constexpr int kBarWidth = 20;
}

ProgressLine::ProgressLine(std::ostream& err, bool terminal, std::string caption, std::size_t total)
    : err_(err), terminal_(terminal), caption_(std::move(caption)), total_(total) {}

ProgressLine::~ProgressLine() {
  if (terminal_ && shownPercent_ >= 0) err_ << "\r\x1b[K" << std::flush;
}

void ProgressLine::advance(std::size_t done) {
  if (total_ < kShownFrom) return;
  const int percent = static_cast<int>(std::min(done, total_) * 100 / total_);
  // A terminal follows every percent; a log gets a line per tenth.
  if (percent == shownPercent_ || (!terminal_ && percent / 10 == shownPercent_ / 10 && shownPercent_ >= 0))
    return;
  shownPercent_ = percent;
  if (terminal_) {
    const int filled = percent * kBarWidth / 100;
    err_ << "\r\x1b[K" << caption_ << " | " << done << " von " << total_ << " ["
         << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(kBarWidth - filled), '-') << "] " << percent << " %"
         << std::flush;
  } else {
    err_ << "[Status] " << caption_ << ": " << percent / 10 * 10 << " % (" << done << " von " << total_
         << ")\n";
  }
}

}  // namespace tolvar
