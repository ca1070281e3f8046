// aggregate.dll end to end under Wine: loaded by a host program, driven through its exports,
// answered by the test host's tlAPI32.dll and by a watcher that plays the user.
// Arguments: the screenshot folder and the expected export table, both as Linux paths; "code-page"
// runs only the cases of texts in the user's code page.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "HostFixture.h"
#include "support/Text.h"
#include "support/UnixPath.h"

namespace {

std::vector<plugintests::ExpectedExport> readExpectedExports(const std::string& unixPath) {
  std::ifstream file(std::filesystem::path(wintest::windowsPathOf(unixPath)));
  std::vector<plugintests::ExpectedExport> exports;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line.front() == '#') continue;
    std::istringstream fields(line);
    plugintests::ExpectedExport entry;
    if (fields >> entry.ordinal >> entry.name) exports.push_back(entry);
  }
  return exports;
}

// A project folder where a mapper keeps one, with a blank and an umlaut in its name as users have
// them; the screenshots of the user guide show it.
std::string createProjectDirectory() {
  const std::wstring parent = L"C:\\Kartierung\\";
  const std::wstring directory = parent + L"Projekt Süd\\";
  CreateDirectoryW(parent.c_str(), nullptr);
  CreateDirectoryW(directory.c_str(), nullptr);
  return wintest::ansi(directory);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: aggregate_host_tests <screenshot folder> <expected-exports.txt> [code-page]\n",
               stderr);
    return 2;
  }
  const wintest::Screenshots screenshots(argv[1]);
  wintest::DialogWatcher watcher(screenshots);
  wintest::TestRun run;
  const plugintests::HostMainWindow window;
  const std::string projectDirectory = createProjectDirectory();
  testhost::testProject().reset(projectDirectory, projectDirectory + "Projekt.mdb",
                                reinterpret_cast<intptr_t>(window.handle()));
  std::optional<plugintests::PluginLibrary> plugin(std::in_place);
  plugintests::Context context{run,
                               watcher,
                               screenshots,
                               window,
                               *plugin,
                               readExpectedExports(argv[2]),
                               projectDirectory,
                               testhost::testProject().calls().empty()};

  if (argc > 3 && std::string(argv[3]) == "code-page") {
    plugintests::codePageTests(context);
  } else {
    plugintests::contractTests(context);
    plugintests::exportTableTests(context);
    plugintests::deleteObjectTests(context);
    plugintests::attributeHandlerTests(context);
    plugintests::transferTests(context);
    plugintests::changeListTests(context);
    plugintests::measureTests(context);
    plugintests::areaBalanceTests(context);
  }

  run.group("unloading");
  run.run("the DLL unloads after all commands, the change list's connection included",
          [&](wintest::Checks& checks) {
            plugin.reset();
            checks.that(GetModuleHandleW(L"aggregate.dll") == nullptr, "aggregate.dll is unloaded");
          });
  return run.finish();
}
