#include "platform/windows/WideText.h"

#include <windows.h>

namespace aggregate::platform::win32 {

namespace {
constexpr UINT kWindows1252 = 1252;
}

std::wstring wideFromAnsi(std::string_view ansi) {
  if (ansi.empty()) return {};
  const int size = static_cast<int>(ansi.size());
  std::wstring wide(
      static_cast<std::size_t>(MultiByteToWideChar(kWindows1252, 0, ansi.data(), size, nullptr, 0)), L'\0');
  MultiByteToWideChar(kWindows1252, 0, ansi.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::string ansiFromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  std::string ansi(static_cast<std::size_t>(
                       WideCharToMultiByte(kWindows1252, 0, wide.data(), size, nullptr, 0, "?", nullptr)),
                   '\0');
  WideCharToMultiByte(kWindows1252, 0, wide.data(), size, ansi.data(), static_cast<int>(ansi.size()), "?",
                      nullptr);
  return ansi;
}

}  // namespace aggregate::platform::win32
