#include "hostdata/HostText.h"

#include "platform/TextEncoding.h"

namespace aggregate {

std::string FromHostText(const char* hostText) {
  return hostText != nullptr ? platform::hostTextToUtf8(hostText) : std::string();
}

std::string ToHostText(const std::string& text) { return platform::utf8ToHostText(text); }

}  // namespace aggregate
