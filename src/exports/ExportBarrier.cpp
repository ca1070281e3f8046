#include "exports/ExportBarrier.h"

namespace aggregate {

void ReportFailure(platform::UserInterface& ui, const std::string& what) noexcept {
  try {
    std::string text = "Der Vorgang wurde wegen eines Fehlers abgebrochen.";
    if (!what.empty()) text += "\r\n" + what;
    ui.showMessage(platform::MessageKind::Error, text);
  } catch (...) {  // nothing is left to tell the user with
  }
}

}  // namespace aggregate
