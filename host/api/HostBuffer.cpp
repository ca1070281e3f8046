#include "HostBuffer.h"

#include <algorithm>
#include <cstring>

namespace host {

bool copyToHostBuffer(std::string_view text, char* buffer, std::int32_t n) {
  if (buffer == nullptr || n < 0) return false;
  const std::size_t length = std::min(text.size(), static_cast<std::size_t>(n));
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return true;
}

}  // namespace host
