#include "HostFixture.h"

#include <algorithm>
#include <stdexcept>

#include "support/DbaseFile.h"
#include "support/JetDatabaseFile.h"
#include "support/Text.h"

namespace plugintests {

namespace {

constexpr const wchar_t* kWindowClass = L"TolvarTestHost";

std::function<void()> clickCommand;
int clickCount = 0;

// The host creates the temporary intersection objects that the plug-in asks for.
LRESULT CALLBACK hostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TL_MSG_TEMP_OBJECT) {
    const auto* request = reinterpret_cast<const TTempObjectRequest*>(lParam);
    if (request == nullptr || request->Kennung == nullptr || request->Ids == nullptr) return 0;
    const std::vector<int32_t> ids(request->Ids, request->Ids + std::max(request->IdCount, int32_t{0}));
    return testhost::testProject().createIntersection(request->Kennung, request->ClassCode, ids);
  }
  if (message == WM_LBUTTONUP) {
    ++clickCount;
    if (clickCommand) clickCommand();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HostMainWindow::HostMainWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = hostWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassW(&windowClass);
  window_ = CreateWindowExW(0, kWindowClass, L"Tolvar (Testhost)", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                            GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                            windowClass.hInstance, nullptr);
  SetActiveWindow(window_);
}

HostMainWindow::~HostMainWindow() {
  DestroyWindow(window_);
  UnregisterClassW(kWindowClass, GetModuleHandleW(nullptr));
}

void HostMainWindow::onClick(std::function<void()> command) const {
  clickCommand = std::move(command);
  clickCount = 0;
}

int HostMainWindow::clicks() const { return clickCount; }

HostSideWindow::HostSideWindow()
    : window_(CreateWindowExW(0, kWindowClass, L"Legende", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 40, 300,
                              200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {}

PluginLibrary::PluginLibrary() : module_(LoadLibraryW(L"aggregate.dll")) {
  if (module_ == nullptr) throw std::runtime_error("aggregate.dll could not be loaded");
}

PluginLibrary::~PluginLibrary() { FreeLibrary(module_); }

int16_t PluginLibrary::call(const char* name, intptr_t arg1, intptr_t arg2, intptr_t arg3) const {
  const auto entry = reinterpret_cast<TLExportProc>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  if (entry == nullptr) throw std::runtime_error(std::string("no export ") + name);
  return entry(arg1, arg2, arg3);
}

testhost::TestProject& Context::freshProject() const {
  testhost::TestProject& project = testhost::testProject();
  project.reset(projectDirectory, projectDirectory + "Projekt.mdb",
                reinterpret_cast<intptr_t>(window.handle()));
  DeleteFileW((wintest::fromAnsi(projectDirectory) + L"TA_LIST.DBF").c_str());
  DeleteFileW((wintest::fromAnsi(projectDirectory) + L"Projekt.mdb").c_str());
  return project;
}

std::string Context::siblingDirectory(const std::wstring& name) const {
  const std::string parent =
      projectDirectory.substr(0, projectDirectory.find_last_of('\\', projectDirectory.size() - 2) + 1);
  const std::string sibling = parent + wintest::ansi(name) + "\\";
  CreateDirectoryW(wintest::fromAnsi(sibling).c_str(), nullptr);
  return sibling;
}

void Context::createProjectDatabase() const {
  wintest::createJetDatabaseFile(wintest::fromAnsi(projectDirectory) + L"Projekt.mdb");
}

void Context::createChangeList(const std::vector<std::vector<std::string>>& rows) const {
  wintest::DbaseFile::create(wintest::fromAnsi(projectDirectory) + L"TA_LIST.DBF",
                             {{"KENNUNG", 20}, {"CHANGED", 10}}, rows);
}

std::vector<std::vector<std::string>> Context::changeList() const {
  const auto file = wintest::DbaseFile::read(wintest::fromAnsi(projectDirectory) + L"TA_LIST.DBF");
  std::vector<std::vector<std::string>> rows;
  for (std::size_t record = 0; record < file.recordCount(); ++record)
    rows.push_back({file.value(record, 0), file.value(record, 1)});
  return rows;
}

wintest::ExpectedDialog Context::dialog(std::wstring caption, std::vector<std::wstring> texts,
                                        std::vector<std::wstring> buttons, LPCWSTR icon) const {
  wintest::ExpectedDialog expected;
  expected.caption = std::move(caption);
  expected.texts = std::move(texts);
  expected.buttons = std::move(buttons);
  expected.icon = icon;
  expected.blocked = window.handle();
  return expected;
}

}  // namespace plugintests
