#include "support/Text.h"

#include <windows.h>

namespace wintest {

namespace {

std::string narrow(UINT codePage, std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  std::string out(static_cast<std::size_t>(
                      WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr)),
                  '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, out.data(), static_cast<int>(out.size()), nullptr,
                      nullptr);
  return out;
}

}  // namespace

std::string ansi(std::wstring_view wide) { return narrow(CP_ACP, wide); }

std::string utf8(std::wstring_view wide) { return narrow(CP_UTF8, wide); }

std::wstring fromAnsi(std::string_view ansi) { return decode(CP_ACP, ansi); }

std::string encode(unsigned codePage, std::wstring_view wide) { return narrow(codePage, wide); }

std::wstring decode(unsigned codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  std::wstring out(static_cast<std::size_t>(MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0)),
                   L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), size, out.data(), static_cast<int>(out.size()));
  return out;
}

}  // namespace wintest
