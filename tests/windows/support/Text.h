#pragma once
// Conversions for the tests: expected texts are written as wide literals, the host's texts are in
// the user's ANSI code page (CP_ACP), the face's own texts and the report are UTF-8.
#include <string>
#include <string_view>

namespace wintest {

std::string ansi(std::wstring_view wide);
std::wstring fromAnsi(std::string_view ansi);
std::string utf8(std::wstring_view wide);
// Texts in another code page (a dBase file's, say).
std::string encode(unsigned codePage, std::wstring_view wide);
std::wstring decode(unsigned codePage, std::string_view bytes);

}  // namespace wintest
