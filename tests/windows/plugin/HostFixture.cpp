#include "HostFixture.h"

#include <stdexcept>

#include "support/Text.h"

namespace plugintests {

namespace {

constexpr const wchar_t* kWindowClass = L"TolvarTestHost";

LRESULT CALLBACK hostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TL_MSG_TEMP_OBJECT) return 0;
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
  return project;
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
