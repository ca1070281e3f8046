#include "platform/windows/DialogTemplate.h"

namespace aggregate::platform::win32 {

namespace {
constexpr std::size_t kItemCountIndex = 4;  // WORD offset of cdit in DLGTEMPLATE
constexpr WORD kShellFontPoints = 8;
}  // namespace

DialogTemplate::DialogTemplate(std::wstring_view title, DWORD style, short width, short height) {
  appendDword(style | DS_SHELLFONT);
  appendDword(0);       // extended style
  words_.push_back(0);  // item count, raised by addControl
  words_.insert(words_.end(), {0, 0, static_cast<WORD>(width), static_cast<WORD>(height)});
  words_.push_back(0);  // no menu
  words_.push_back(0);  // the dialog manager's own window class
  appendText(title);
  words_.push_back(kShellFontPoints);
  appendText(L"MS Shell Dlg");
}

void DialogTemplate::addControl(ControlClass controlClass, std::wstring_view text, WORD id, DWORD style,
                                DialogRect rect) {
  alignToDword();
  appendDword(style | WS_CHILD | WS_VISIBLE);
  appendDword(0);
  words_.insert(words_.end(), {static_cast<WORD>(rect.x), static_cast<WORD>(rect.y),
                               static_cast<WORD>(rect.width), static_cast<WORD>(rect.height), id});
  words_.insert(words_.end(), {0xFFFF, static_cast<WORD>(controlClass)});
  appendText(text);
  words_.push_back(0);  // no creation data
  ++words_[kItemCountIndex];
}

void DialogTemplate::appendDword(DWORD value) {
  words_.push_back(LOWORD(value));
  words_.push_back(HIWORD(value));
}

void DialogTemplate::appendText(std::wstring_view text) {
  words_.insert(words_.end(), text.begin(), text.end());
  words_.push_back(0);
}

void DialogTemplate::alignToDword() {
  if (words_.size() % 2 != 0) words_.push_back(0);
}

}  // namespace aggregate::platform::win32
