#pragma once
// The appearance of the progress windows on Windows, in dialog pixels, by what they are for.
#include <optional>
#include <string>

#include "platform/ProgressWindow.h"

namespace aggregate::platform::win32 {

struct WindowRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// A small non-modal window with one status label and an optional Cancel button, without
// title-bar buttons, centred on the screen.
struct ProgressWindowLayout {
  std::string caption;
  int clientWidth = 0;
  int clientHeight = 0;
  std::string fontName;  // empty: the system's dialog font
  int fontPoints = 0;
  WindowRect label;
  std::string labelText;
  std::optional<WindowRect> cancelButton;
  std::string cancelCaption;
};

ProgressWindowLayout layoutFor(ProgressWindowPurpose purpose, const ProgressWindowTexts& texts);

}  // namespace aggregate::platform::win32
