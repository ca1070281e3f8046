#pragma once
// An in-memory dialog template (DLGTEMPLATE with its items), so that the library's dialogs
// need no resource script. Coordinates are dialog units.
#include <windows.h>

#include <string_view>
#include <vector>

namespace aggregate::platform::win32 {

struct DialogRect {
  short x = 0;
  short y = 0;
  short width = 0;
  short height = 0;
};

class DialogTemplate {
 public:
  // Predefined control classes of the dialog manager.
  enum class ControlClass : WORD { Button = 0x0080, Edit = 0x0081, Static = 0x0082 };

  // A dialog in the system's shell font at 8 points.
  DialogTemplate(std::wstring_view title, DWORD style, short width, short height);

  void addControl(ControlClass controlClass, std::wstring_view text, WORD id, DWORD style, DialogRect rect);
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void appendDword(DWORD value);
  void appendText(std::wstring_view text);
  void alignToDword();

  std::vector<WORD> words_;
};

}  // namespace aggregate::platform::win32
