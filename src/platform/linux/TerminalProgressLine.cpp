#include "platform/linux/TerminalProgressLine.h"

#include <charconv>

namespace aggregate::platform {

namespace {

constexpr std::size_t kBarWidth = 20;

std::optional<long> numberAt(const std::string& text, std::size_t& pos) {
  long value = 0;
  const char* first = text.data() + pos;
  const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
  if (error != std::errc() || end == first) return std::nullopt;
  pos = static_cast<std::size_t>(end - text.data());
  return value;
}

std::string clockText(std::chrono::steady_clock::duration duration) {
  const long seconds = static_cast<long>(std::chrono::duration_cast<std::chrono::seconds>(duration).count());
  const auto twoDigits = [](long value) { return (value < 10 ? "0" : "") + std::to_string(value); };
  if (seconds >= 3600) {
    return std::to_string(seconds / 3600) + ":" + twoDigits(seconds / 60 % 60) + ":" +
           twoDigits(seconds % 60);
  }
  return std::to_string(seconds / 60) + ":" + twoDigits(seconds % 60);
}

bool startsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// Cut to the first `columns` characters, so that the line never wraps and \r reaches its start.
std::string cutToColumns(const std::string& utf8, std::size_t columns) {
  if (columns == 0) return utf8;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (startsCharacter(utf8[i]) && ++characters > columns) return utf8.substr(0, i);
  }
  return utf8;
}

}  // namespace

std::optional<LabelCount> labelCountOf(const std::string& label) {
  for (std::size_t open = label.find('('); open != std::string::npos; open = label.find('(', open + 1)) {
    std::size_t pos = open + 1;
    const auto current = numberAt(label, pos);
    if (!current || label.compare(pos, 5, " von ") != 0) continue;
    pos += 5;
    const auto total = numberAt(label, pos);
    if (!total || pos >= label.size() || label[pos] != ')') continue;
    if (*current < 1 || *current > *total) continue;
    return LabelCount{*current, *total};
  }
  return std::nullopt;
}

TerminalProgressLine::TerminalProgressLine(std::string caption, bool cancellable, Clock::time_point start)
    : caption_(std::move(caption)), cancellable_(cancellable), start_(start) {}

std::string TerminalProgressLine::line(Clock::time_point now, std::size_t columns) const {
  const Clock::duration elapsed = now - start_;
  std::string text = caption_;
  if (!label_.empty()) text += " | " + label_;
  if (const auto count = labelCountOf(label_)) {
    // The label names the item being worked on: the ones before it are done.
    const long done = count->current - 1;
    const std::size_t filled =
        static_cast<std::size_t>(done) * kBarWidth / static_cast<std::size_t>(count->total);
    text += " [" + std::string(filled, '#') + std::string(kBarWidth - filled, '-') + "] " +
            std::to_string(done * 100 / count->total) + " %";
    text += " | " + clockText(elapsed);
    if (done > 0) text += ", noch ca. " + clockText(elapsed * (count->total - done) / done);
  } else {
    text += " | " + clockText(elapsed);
  }
  if (cancellable_) text += " | Strg+C bricht ab";
  return cutToColumns(text, columns);
}

std::string TerminalProgressLine::summary(Clock::time_point now) const {
  const std::string after = clockText(now - start_);
  if (cancelled_)
    return caption_ + ": abgebrochen" + (label_.empty() ? "" : " nach " + label_) + ", " + after;
  // What the window got to; a failure on the way has been told in a message box of its own.
  if (const auto count = labelCountOf(label_)) {
    return caption_ + ": " + std::to_string(count->current) + " von " + std::to_string(count->total) +
           " in " + after;
  }
  return caption_ + ": beendet nach " + after;
}

}  // namespace aggregate::platform
