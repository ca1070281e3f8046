#pragma once
// What every end-to-end test shares: the host's main window, the project folder, aggregate.dll
// loaded as the host loads it, and the user who answers its dialogs.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "TestProject.h"
#include "support/DialogWatcher.h"
#include "support/Screenshots.h"
#include "support/TestRun.h"

namespace plugintests {

struct ExpectedExport {
  int ordinal = 0;
  std::string name;
};

// The host's main window: dialogs of the plug-in are modal to it, and it answers the
// temporary-object message with 0 (this host builds no geometry).
class HostMainWindow {
 public:
  HostMainWindow();
  ~HostMainWindow();
  HostMainWindow(const HostMainWindow&) = delete;
  HostMainWindow& operator=(const HostMainWindow&) = delete;

  HWND handle() const { return window_; }
  // What a click into a host window starts, as a button of the host's tool bar would; the
  // clicks the host's windows got so far.
  void onClick(std::function<void()> command) const;
  int clicks() const;
  // A point of the main window that no window of the plug-in covers.
  static POINT freePoint() { return {60, 300}; }

 private:
  HWND window_ = nullptr;
};

// A second top-level window of the host (a legend, say), for as long as the object lives.
class HostSideWindow {
 public:
  HostSideWindow();
  ~HostSideWindow() { DestroyWindow(window_); }
  HostSideWindow(const HostSideWindow&) = delete;
  HostSideWindow& operator=(const HostSideWindow&) = delete;

  HWND handle() const { return window_; }

 private:
  HWND window_;
};

// aggregate.dll, loaded by name from the program's folder as the host loads it.
class PluginLibrary {
 public:
  PluginLibrary();
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  HMODULE module() const { return module_; }
  // Calls an export found by name; throws std::runtime_error when there is none.
  int16_t call(const char* name, intptr_t arg1 = 0, intptr_t arg2 = 0, intptr_t arg3 = 0) const;

 private:
  HMODULE module_;
};

struct Context {
  wintest::TestRun& run;
  wintest::DialogWatcher& watcher;
  const wintest::Screenshots& screenshots;
  const HostMainWindow& window;
  const PluginLibrary& plugin;
  std::vector<ExpectedExport> expectedExports;
  std::string projectDirectory;  // in the host's code page, ends with a backslash
  bool loadedQuietly = false;    // no host call while the DLL was loaded

  // An empty project in the project folder, without a change list and without the project
  // database file; the observer is removed.
  testhost::TestProject& freshProject() const;
  // A folder beside the project folder, made when missing; ends with a backslash.
  std::string siblingDirectory(const std::wstring& name) const;
  // The project database file: the stand-in for ADO opens it, and answers from the project.
  void createProjectDatabase() const;
  // TA_LIST.DBF of the project folder with these (KENNUNG, CHANGED) rows, and its rows now.
  void createChangeList(const std::vector<std::vector<std::string>>& rows) const;
  std::vector<std::vector<std::string>> changeList() const;
  // A dialog as the plug-in shows it: the host window is blocked while it shows.
  wintest::ExpectedDialog dialog(std::wstring caption, std::vector<std::wstring> texts,
                                 std::vector<std::wstring> buttons = {L"OK"}, LPCWSTR icon = nullptr) const;
};

void contractTests(Context& context);
void exportTableTests(Context& context);
void deleteObjectTests(Context& context);
void transferTests(Context& context);
void measureTests(Context& context);
void measureRunTests(Context& context);
void changeListTests(Context& context);
void attributeHandlerTests(Context& context);
void areaBalanceTests(Context& context);
// Run on their own, under a user whose code page is not Windows-1252.
void codePageTests(Context& context);

}  // namespace plugintests
