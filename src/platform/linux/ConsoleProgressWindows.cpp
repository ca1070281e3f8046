#include "platform/linux/ConsoleProgressWindows.h"

#include "platform/linux/ConsoleOutput.h"

namespace aggregate::platform::console {

TraceProgressWindow::TraceProgressWindow(const ProgressWindowTexts& texts)
    : caption_(texts.caption), cancellable_(!texts.cancelCaption.empty()) {}

TraceProgressWindow::~TraceProgressWindow() { close(); }

void TraceProgressWindow::show() {
  if (shown_) return;
  shown_ = true;
  writeTraceLine("[Fenster] " + caption_);
  if (cancellable_) interrupt_ = std::make_unique<InterruptAsCancel>();
}

void TraceProgressWindow::close() {
  if (!shown_) return;
  shown_ = false;
  interrupt_.reset();
  writeTraceLine("[Fenster zu] " + caption_);
}

void TraceProgressWindow::setStatus(const std::string& text) {
  if (shown_) writeTraceLine("[Status] " + text);
}

void TraceProgressWindow::processMessages() {
  if (interrupt_ && InterruptAsCancel::take() && cancelHandler_) cancelHandler_();
}

TerminalProgressWindow::TerminalProgressWindow(const ProgressWindowTexts& texts)
    : line_(texts.caption, !texts.cancelCaption.empty(), TerminalProgressLine::Clock::now()),
      caption_(texts.caption),
      label_(texts.label),
      cancellable_(!texts.cancelCaption.empty()) {}

TerminalProgressWindow::~TerminalProgressWindow() { close(); }

void TerminalProgressWindow::show() {
  if (shown_) return;
  shown_ = true;
  line_ = TerminalProgressLine(caption_, cancellable_, TerminalProgressLine::Clock::now());
  line_.setLabel(label_);
  hiddenLine_ = replaceLiveLine(&line_);
  drawLiveLine();
  if (cancellable_) interrupt_ = std::make_unique<InterruptAsCancel>();
}

void TerminalProgressWindow::close() {
  if (!shown_) return;
  shown_ = false;
  interrupt_.reset();
  replaceLiveLine(hiddenLine_);
  writeToStandardError(kToLineStartAndErase + line_.summary(TerminalProgressLine::Clock::now()) + "\n");
  drawLiveLine();
}

void TerminalProgressWindow::setStatus(const std::string& text) {
  label_ = text;
  line_.setLabel(label_);
  if (shown_) drawLiveLine();
}

void TerminalProgressWindow::processMessages() {
  if (interrupt_ && InterruptAsCancel::take() && cancelHandler_) {
    line_.markCancelled();
    cancelHandler_();
  }
}

}  // namespace aggregate::platform::console
