#include "platform/ProjectDatabase.h"

#include <charconv>

#include "common/LibraryError.h"

namespace aggregate::platform {

std::vector<int32_t> ProjectDatabase::keysOfObject(const std::string& table, int32_t objectId) {
  std::vector<int32_t> keys;
  for (const std::string& text : valuesOfObject(table, "PKey", objectId)) {
    int32_t key = 0;
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, key);
    if (text.empty() || parsed.ec != std::errc() || parsed.ptr != end)
      throw LibraryError("'" + text + "' ist kein gültiger Schlüssel");
    keys.push_back(key);
  }
  return keys;
}

}  // namespace aggregate::platform
