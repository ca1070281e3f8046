#include "platform/windows/ProgressWindowLayout.h"

namespace aggregate::platform::win32 {

ProgressWindowLayout layoutFor(ProgressWindowPurpose purpose, const ProgressWindowTexts& texts) {
  ProgressWindowLayout layout;
  layout.caption = texts.caption;
  layout.labelText = texts.label;
  switch (purpose) {
    case ProgressWindowPurpose::Transfer:
      layout.clientWidth = 380;
      layout.clientHeight = 29;
      layout.label = {8, 8, 417, 16};
      break;
    case ProgressWindowPurpose::MassnahmenRun:
      layout.clientWidth = 257;
      layout.clientHeight = 77;
      layout.fontName = "Tahoma";
      layout.fontPoints = 8;
      layout.label = {8, 11, 241, 13};
      layout.cancelButton = WindowRect{8, 39, 75, 25};
      break;
  }
  if (texts.cancelCaption.empty()) {
    layout.cancelButton.reset();
  } else {
    layout.cancelCaption = texts.cancelCaption;
  }
  return layout;
}

}  // namespace aggregate::platform::win32
