#include "measures/MeasureProgressWindow.h"

#include "hostdata/AttributeAccess.h"

namespace aggregate {

namespace {

platform::ProgressWindowLayout windowLayout() {
  platform::ProgressWindowLayout layout;
  layout.caption = "Aggregation von Maßnahme-Objekten";
  layout.clientWidth = 257;
  layout.clientHeight = 77;
  layout.fontName = "Tahoma";
  layout.fontPoints = 8;
  layout.label = {8, 11, 241, 13};
  layout.cancelButton = platform::WindowRect{8, 39, 75, 25};
  layout.cancelCaption = "Abbrechen";
  return layout;
}

}  // namespace

MeasureProgressWindow::MeasureProgressWindow()
    : window_(platform::ui().createProgressWindow(windowLayout())) {
  window_->onCancel([this] { cancelPressed_ = true; });
}

MeasureProgressWindow::~MeasureProgressWindow() { window_->close(); }

void MeasureProgressWindow::show() { window_->show(); }

void MeasureProgressWindow::processMessages() { window_->processMessages(); }

void MeasureProgressWindow::showMeasure(int32_t measureId, int32_t counter, const std::string& totalText) {
  label_ = GetObjectKennung(measureId) + " (" + std::to_string(counter) + " von " + totalText + ")";
  window_->setStatus(label_);
}

}  // namespace aggregate
