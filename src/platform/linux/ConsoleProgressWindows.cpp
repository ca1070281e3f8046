#include "platform/linux/ConsoleProgressWindows.h"

#include "platform/linux/ConsoleOutput.h"

namespace aggregate::platform::console {

TraceProgressWindow::TraceProgressWindow(const ProgressWindowTexts& texts)
    : caption_(texts.caption), cancel_(!texts.cancelCaption.empty()) {}

TraceProgressWindow::~TraceProgressWindow() { close(); }

void TraceProgressWindow::show() {
  if (shown_) return;
  shown_ = true;
  writeTraceLine("[Fenster] " + caption_);
  cancel_.arm();
}

void TraceProgressWindow::close() {
  if (!shown_) return;
  shown_ = false;
  cancel_.disarm();
  writeTraceLine("[Fenster zu] " + caption_);
}

void TraceProgressWindow::setStatus(const std::string& text) {
  if (shown_) writeTraceLine("[Status] " + text);
}

void TraceProgressWindow::processMessages() {
  if (cancel_.pressed()) cancel_.press();
}

TerminalProgressWindow::TerminalProgressWindow(const ProgressWindowTexts& texts)
    : line_(texts.caption, !texts.cancelCaption.empty(), TerminalProgressLine::Clock::now()),
      caption_(texts.caption),
      label_(texts.label),
      cancel_(!texts.cancelCaption.empty()) {}

TerminalProgressWindow::~TerminalProgressWindow() { close(); }

void TerminalProgressWindow::show() {
  if (shown_) return;
  shown_ = true;
  line_ = TerminalProgressLine(caption_, cancel_.present(), TerminalProgressLine::Clock::now());
  line_.setLabel(label_);
  hiddenLine_ = replaceLiveLine(&line_);
  drawLiveLine();
  cancel_.arm();
}

void TerminalProgressWindow::close() {
  if (!shown_) return;
  shown_ = false;
  cancel_.disarm();
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
  if (cancel_.pressed()) {
    line_.markCancelled();
    cancel_.press();
  }
}

}  // namespace aggregate::platform::console
