#include "platform/windows/WideText.h"

namespace aggregate::platform::win32 {

std::wstring wideFromCodePage(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0)),
                    L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::string codePageFromWide(UINT codePage, std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  // UTF-8 takes no default character: every UTF-16 text has a UTF-8 form.
  const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
  std::string text(static_cast<std::size_t>(
                       WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, fallback, nullptr)),
                   '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), static_cast<int>(text.size()), fallback,
                      nullptr);
  return text;
}

std::wstring wideFromUtf8(std::string_view utf8) { return wideFromCodePage(CP_UTF8, utf8); }

std::string utf8FromWide(std::wstring_view wide) { return codePageFromWide(CP_UTF8, wide); }

}  // namespace aggregate::platform::win32
