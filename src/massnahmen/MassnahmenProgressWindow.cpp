#include "massnahmen/MassnahmenProgressWindow.h"

#include "hostdata/ObjectData.h"

namespace aggregate {

MassnahmenProgressWindow::MassnahmenProgressWindow(platform::UserInterface& ui)
    : window_(ui.createProgressWindow(platform::ProgressWindowPurpose::MassnahmenRun,
                                      {"Aggregation von Maßnahme-Objekten", "", "Abbrechen"})) {
  window_->onCancel([this] { cancelPressed_ = true; });
}

MassnahmenProgressWindow::~MassnahmenProgressWindow() { window_->close(); }

void MassnahmenProgressWindow::show() { window_->show(); }

void MassnahmenProgressWindow::processMessages() { window_->processMessages(); }

void MassnahmenProgressWindow::showMassnahme(int32_t massnahmeId, int32_t counter,
                                             const std::string& totalText) {
  label_ = GetObjectKennung(massnahmeId) + " (" + std::to_string(counter) + " von " + totalText + ")";
  window_->setStatus(label_);
}

}  // namespace aggregate
