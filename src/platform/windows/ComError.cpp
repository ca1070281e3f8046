#include "platform/windows/ComError.h"

#include <oleauto.h>

#include <array>
#include <cstdio>

#include "platform/windows/WideText.h"

namespace aggregate::platform::win32 {

namespace {

// Takes ownership of a BSTR handed out by COM and frees it.
std::wstring takeBstr(BSTR text) {
  std::wstring taken = text != nullptr ? std::wstring(text, SysStringLen(text)) : std::wstring();
  SysFreeString(text);
  return taken;
}

std::wstring descriptionOfErrorObject() {
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) != S_OK || info == nullptr) return {};
  BSTR description = nullptr;
  info->GetDescription(&description);
  info->Release();
  return takeBstr(description);
}

std::wstring descriptionOfResult(HRESULT result) {
  std::array<wchar_t, 512> text{};
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                     static_cast<DWORD>(result), 0, text.data(), static_cast<DWORD>(text.size()), nullptr);
  std::wstring description(text.data(), length);
  while (!description.empty() && (description.back() == L'\n' || description.back() == L'\r'))
    description.pop_back();
  return description;
}

std::string codeTextOf(HRESULT code) {
  std::array<char, 16> text{};
  std::snprintf(text.data(), text.size(), "0x%08lX", static_cast<unsigned long>(code));
  return text.data();
}

}  // namespace

ComFailure::ComFailure(std::string_view call, std::string description, HRESULT code)
    : LibraryError(std::string(call) +
                   (description.empty() ? std::string(" fehlgeschlagen") : ": " + description) + " (" +
                   codeTextOf(code) + ")"),
      description_(std::move(description)),
      code_(code) {}

std::string ComFailure::codeText() const { return codeTextOf(code_); }

void throwComError(std::string_view call, HRESULT result, std::wstring description) {
  if (description.empty()) description = descriptionOfErrorObject();
  if (description.empty()) description = descriptionOfResult(result);
  throw ComFailure(call, utf8FromWide(description), result);
}

}  // namespace aggregate::platform::win32
