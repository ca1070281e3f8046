#include "platform/windows/ComError.h"

#include <oleauto.h>

#include <array>
#include <cstdio>

#include "common/LibraryError.h"
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

}  // namespace

void throwComError(std::string_view call, HRESULT result, std::wstring description) {
  if (description.empty()) description = descriptionOfErrorObject();
  if (description.empty()) description = descriptionOfResult(result);
  std::array<char, 16> code{};
  std::snprintf(code.data(), code.size(), "0x%08lX", static_cast<unsigned long>(result));
  const std::string reason =
      description.empty() ? std::string(" fehlgeschlagen") : ": " + ansiFromWide(description);
  throw LibraryError(std::string(call) + reason + " (" + code.data() + ")");
}

}  // namespace aggregate::platform::win32
