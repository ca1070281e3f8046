#include "platform/linux/TerminalProgressLine.h"

#include <charconv>

namespace aggregate::platform {

namespace {

constexpr std::size_t kBarWidth = 20;
constexpr std::size_t kShortestCaption = 10;

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

std::size_t charactersOf(const std::string& utf8) {
  std::size_t characters = 0;
  for (const char byte : utf8) characters += startsCharacter(byte) ? 1 : 0;
  return characters;
}

// The first `columns` characters, so that the line never wraps and \r reaches its start.
std::string firstCharacters(const std::string& utf8, std::size_t columns) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (startsCharacter(utf8[i]) && ++characters > columns) return utf8.substr(0, i);
  }
  return utf8;
}

std::string lastCharacters(const std::string& utf8, std::size_t columns) {
  std::size_t characters = 0;
  for (std::size_t i = utf8.size(); i-- > 0;) {
    if (startsCharacter(utf8[i]) && ++characters == columns) return utf8.substr(i);
  }
  return utf8;
}

// A text cut to `columns` characters, its end (or start) replaced by an ellipsis; empty when not even
// one character and the ellipsis fit.
std::string shortened(const std::string& utf8, std::size_t columns, bool keepEnd) {
  if (charactersOf(utf8) <= columns) return utf8;
  if (columns < 2) return "";
  return keepEnd ? "…" + lastCharacters(utf8, columns - 1) : firstCharacters(utf8, columns - 1) + "…";
}

// Early items are slower than later ones (caches warm up): an estimate from the first few seconds or
// the first few items would be far off.
bool estimateIsMeaningful(long done, long total, std::chrono::steady_clock::duration elapsed) {
  return done > 0 && done * 20 >= total && elapsed >= std::chrono::seconds(5);
}

struct LineParts {
  std::string caption;
  std::string label;
  std::string bar;
  std::string rest;  // percentage, times and the Ctrl-C hint: they always stay

  std::string text() const {
    std::string text = caption;
    if (!label.empty()) text += (text.empty() ? "" : " | ") + label;
    text += bar + rest;
    return text.rfind(" | ", 0) == 0 ? text.substr(3) : text;
  }
};

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
  LineParts parts{caption_, label_, "", ""};
  std::string times = clockText(elapsed);
  if (const auto count = labelCountOf(label_)) {
    // The label names the item being worked on: the ones before it are done.
    const long done = count->current - 1;
    const std::size_t filled =
        static_cast<std::size_t>(done) * kBarWidth / static_cast<std::size_t>(count->total);
    parts.bar = " [" + std::string(filled, '#') + std::string(kBarWidth - filled, '-') + "]";
    parts.rest = " " + std::to_string(done * 100 / count->total) + " %";
    if (estimateIsMeaningful(done, count->total, elapsed))
      times += ", noch ca. " + clockText(elapsed * (count->total - done) / done);
  }
  parts.rest += " | " + times;
  if (cancellable_) parts.rest += " | Strg+C bricht ab";
  if (columns == 0) return parts.text();

  // On a narrow terminal the caption gives way first, then the bar, then the start of the label.
  const auto overflow = [&] {
    const std::size_t width = charactersOf(parts.text());
    return width > columns ? width - columns : 0;
  };
  const auto fitCaption = [&] {
    parts.caption = caption_;
    const std::size_t over = overflow();
    const std::size_t captionWidth = charactersOf(caption_);
    // A caption cut to a few letters tells nothing.
    parts.caption =
        over + kShortestCaption <= captionWidth ? shortened(caption_, captionWidth - over, false) : "";
  };
  fitCaption();
  if (parts.caption.empty() && overflow() > 0) {
    parts.bar.clear();
    fitCaption();
  }
  if (const std::size_t over = overflow(); over > 0) {
    const std::size_t labelWidth = charactersOf(parts.label);
    parts.label = over < labelWidth ? shortened(parts.label, labelWidth - over, true) : "";
  }
  return firstCharacters(parts.text(), columns);
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
