#include "doubles/RecordingUserInterface.h"

namespace testdoubles {

namespace {
class RecordingProgressWindow final : public aggregate::platform::ProgressWindow {
 public:
  RecordingProgressWindow(std::string caption, std::vector<std::string>& events)
      : caption_(std::move(caption)), events_(events) {}
  ~RecordingProgressWindow() override { close(); }
  void show() override {
    shown_ = true;
    events_.push_back("show " + caption_);
  }
  void close() override {
    if (!shown_) return;
    shown_ = false;
    events_.push_back("close " + caption_);
  }
  void setStatus(const std::string& text) override { events_.push_back("status " + text); }
  void onCancel(std::function<void()> handler) override { cancel_ = std::move(handler); }
  void processMessages() override {}

 private:
  std::string caption_;
  std::vector<std::string>& events_;
  bool shown_ = false;
  std::function<void()> cancel_;
};
}  // namespace

std::unique_ptr<aggregate::platform::ProgressWindow> RecordingUserInterface::createProgressWindow(
    aggregate::platform::ProgressWindowPurpose, const aggregate::platform::ProgressWindowTexts& texts) {
  return std::make_unique<RecordingProgressWindow>(texts.caption, windowEvents);
}

}  // namespace testdoubles
