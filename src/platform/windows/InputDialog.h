#pragma once
#include <optional>
#include <string>

namespace aggregate::platform::win32 {

// Modal dialog with a prompt, a one-line edit holding the preset, OK and "Abbrechen".
// Texts are UTF-8; nullopt when the user cancels or closes the dialog.
std::optional<std::string> runInputDialog(const std::string& title, const std::string& prompt,
                                          const std::string& preset);

}  // namespace aggregate::platform::win32
