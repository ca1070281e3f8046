#pragma once
// The one barrier between the host and the library's work: no exception ever leaves an
// export, and every export returns its constant result. The work is handed the user interface
// it tells the user through; a failure it lets go is told here.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "platform/UserInterface.h"

namespace aggregate {

inline constexpr int16_t kCommandResult = -1;
inline constexpr int16_t kCallbackResult = 1;

// Tells the user, in German, that a command stopped on a failure. Never throws.
void ReportFailure(platform::UserInterface& ui, const std::string& what) noexcept;

template <class Work>
int16_t RunExport(int16_t result, Work&& work) noexcept {
  platform::UserInterface& ui = platform::ui();
  try {
    work(ui);
  } catch (const std::exception& failure) {
    ReportFailure(ui, failure.what());
  } catch (...) {
    ReportFailure(ui, {});
  }
  return result;
}

// Attribute-change handlers hand the host the value as entered, before anything else and
// whatever the handler then does.
template <class Work>
int16_t RunAttributeHandler(intptr_t newValue, intptr_t destination, Work&& work) noexcept {
  const auto* value = reinterpret_cast<const char*>(newValue);
  auto* buffer = reinterpret_cast<char*>(destination);
  if (value != nullptr && buffer != nullptr) {
    std::size_t i = 0;
    do {
      buffer[i] = value[i];
    } while (value[i++] != '\0');
  }
  return RunExport(kCommandResult,
                   [&](platform::UserInterface& ui) { work(value != nullptr ? value : "", buffer, ui); });
}

}  // namespace aggregate
