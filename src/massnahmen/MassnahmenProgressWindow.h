#pragma once
// The Massnahmen aggregation's progress window: which Massnahme is being processed, and a Cancel
// button.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/UserInterface.h"

namespace aggregate {

class MassnahmenProgressWindow {
 public:
  explicit MassnahmenProgressWindow(platform::UserInterface& ui);
  ~MassnahmenProgressWindow();  // closes the window
  MassnahmenProgressWindow(const MassnahmenProgressWindow&) = delete;
  MassnahmenProgressWindow& operator=(const MassnahmenProgressWindow&) = delete;

  void show();
  // Dispatches pending input, so that a Cancel pressed meanwhile is seen.
  void processMessages();
  bool cancelPressed() const { return cancelPressed_; }

  // Shows "<Kennung> (<counter> von <total>)", the total as the run passes it.
  void showMassnahme(int32_t massnahmeId, int32_t counter, const std::string& totalText);
  const std::string& label() const { return label_; }

 private:
  std::unique_ptr<platform::ProgressWindow> window_;
  std::string label_;
  bool cancelPressed_ = false;
};

}  // namespace aggregate
