#pragma once
// The measure aggregation's progress window: which measure is being processed, and a Cancel
// button. Texts are Windows-1252.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/UserInterface.h"

namespace aggregate {

class MeasureProgressWindow {
 public:
  MeasureProgressWindow();
  ~MeasureProgressWindow();  // closes the window
  MeasureProgressWindow(const MeasureProgressWindow&) = delete;
  MeasureProgressWindow& operator=(const MeasureProgressWindow&) = delete;

  void show();
  // Dispatches pending input, so that a Cancel pressed meanwhile is seen.
  void processMessages();
  bool cancelPressed() const { return cancelPressed_; }

  // Shows "<Kennung> (<counter> von <total>)", the total as the run passes it.
  void showMeasure(int32_t measureId, int32_t counter, const std::string& totalText);
  const std::string& label() const { return label_; }

 private:
  std::unique_ptr<platform::ProgressWindow> window_;
  std::string label_;
  bool cancelPressed_ = false;
};

}  // namespace aggregate
