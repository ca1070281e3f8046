// What the plug-in tells its user while an export runs, as far as the console contract lets the host
// see it: its error boxes (the "[Fehler] " lines on standard error) and a Ctrl-C (SIGINT), which
// presses Cancel of a cancellable progress window. While a watch lives, standard error of the whole
// process passes through it unchanged to where it went before; a terminal stays a terminal of the
// same size (a pseudo-terminal stands in), so the plug-in draws as it would.
#pragma once

#include <signal.h>

#include <atomic>
#include <string>
#include <thread>

namespace tolvar {

class PluginTraceWatch {
 public:
  PluginTraceWatch();
  ~PluginTraceWatch() { finish(); }
  PluginTraceWatch(const PluginTraceWatch&) = delete;
  PluginTraceWatch& operator=(const PluginTraceWatch&) = delete;

  // Standard error goes back to where it went; what was written so far has been passed on.
  void finish();

  bool errorShown() const { return errorShown_; }
  bool interrupted() const { return interrupted_; }

 private:
  int reader_ = -1;  // what fd 2 writes arrives here
  int savedStandardError_ = -1;
  sigset_t savedMask_{};
  std::atomic<bool> errorShown_{false};
  std::atomic<bool> interrupted_{false};
  std::string partialLine_;
  std::thread forwarder_;
  bool finished_ = false;

  void forward();
  void scan(const char* bytes, std::size_t count);
};

}  // namespace tolvar
