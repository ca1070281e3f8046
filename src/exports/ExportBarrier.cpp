#include "exports/ExportBarrier.h"

#include "platform/UserInterface.h"

namespace aggregate {

void ReportUnexpectedFailure(const std::string& what) noexcept {
  try {
    std::string text = "Der Vorgang wurde wegen eines Fehlers abgebrochen.";
    if (!what.empty()) text += "\r\n" + what;
    platform::ui().showMessage(platform::MessageKind::Error, text);
  } catch (...) {  // nothing is left to tell the user with
  }
}

}  // namespace aggregate
