#pragma once
// The one barrier between the host and the library's work: no exception ever leaves an
// export, and every export returns its constant result.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

namespace aggregate {

inline constexpr int16_t kCommandResult = -1;
inline constexpr int16_t kCallbackResult = 1;

// Tells the user, in German, that a command stopped on an unexpected failure. Never throws.
void ReportUnexpectedFailure(const std::string& what) noexcept;

template <class Work>
int16_t RunExport(int16_t result, Work&& work) noexcept {
  try {
    work();
  } catch (const std::exception& failure) {
    ReportUnexpectedFailure(failure.what());
  } catch (...) {
    ReportUnexpectedFailure({});
  }
  return result;
}

}  // namespace aggregate

namespace aggregate {

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
  return RunExport(kCommandResult, [&] { work(value != nullptr ? value : "", buffer); });
}

}  // namespace aggregate
