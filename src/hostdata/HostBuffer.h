#pragma once
// The buffers the host writes texts into: the only place that hands one to the host.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hostdata/HostText.h"

namespace aggregate {

// A buffer for n characters and the terminating zero, starting as an empty text.
class HostBuffer {
 public:
  explicit HostBuffer(int32_t count) : count_(count), data_(static_cast<std::size_t>(count) + 1, '\0') {}
  char* data() { return data_.data(); }
  int32_t count() const { return count_; }
  // The host never writes more than n characters and the zero; the last byte stays a guard.
  std::string text() {
    data_.back() = '\0';
    return FromHostText(data_.data());
  }
  // Whether the host's text took every character the buffer holds.
  bool full() const { return count_ > 0 && data_[static_cast<std::size_t>(count_) - 1] != '\0'; }
  bool empty() const { return data_.front() == '\0'; }

 private:
  int32_t count_;
  std::vector<char> data_;
};

// Reads through a buffer of count characters first, as the host is asked everywhere. A text that
// fills it may have been cut, and a path that did not fit may have been left out altogether
// (retryEmpty), so it is read again with a buffer sixteen times as large, up to limit. nullopt
// when read() reports that the host has no value.
template <class Read>
std::optional<std::string> ReadGrowing(int32_t count, int32_t limit, bool retryEmpty, Read&& read) {
  for (;;) {
    HostBuffer buffer(count);
    if (!read(buffer)) return std::nullopt;
    const bool maybeCut = buffer.full() || (retryEmpty && buffer.empty());
    if (!maybeCut || count >= limit) return buffer.text();
    count = std::min(count * 16, limit);
  }
}

}  // namespace aggregate
