#include <windows.h>

#include "HostFixture.h"

namespace plugintests {

using wintest::Checks;

void exportTableTests(Context& context) {
  context.run.group("export table");

  context.run.run("the thirteen exports are found by name, each at its ordinal", [&](Checks& checks) {
    checks.equal(static_cast<long long>(context.expectedExports.size()), 13, "expected exports");
    const HMODULE module = context.plugin.module();
    for (const auto& expected : context.expectedExports) {
      const FARPROC byName = GetProcAddress(module, expected.name.c_str());
      const FARPROC byOrdinal = GetProcAddress(module, MAKEINTRESOURCEA(expected.ordinal));
      checks.that(byName != nullptr, expected.name + " is exported");
      checks.that(byName == byOrdinal, expected.name + " has ordinal " + std::to_string(expected.ordinal));
    }
  });

  context.run.run("the file version is 3.0.0.0", [&](Checks& checks) {
    wchar_t path[MAX_PATH + 1] = {};
    GetModuleFileNameW(context.plugin.module(), path, MAX_PATH);
    std::vector<char> info(GetFileVersionInfoSizeW(path, nullptr));
    checks.that(
        !info.empty() && GetFileVersionInfoW(path, 0, static_cast<DWORD>(info.size()), info.data()) != 0,
        "the DLL has a version resource");
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    if (info.empty() || VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &size) == 0)
      return;
    checks.equal(HIWORD(fixed->dwFileVersionMS), 3, "major version");
    checks.equal(LOWORD(fixed->dwFileVersionMS), 0, "minor version");
    checks.equal(HIWORD(fixed->dwFileVersionLS), 0, "release");
    checks.equal(LOWORD(fixed->dwFileVersionLS), 0, "build");
  });

  context.run.run("loading the DLL calls nothing on the host",
                  [&](Checks& checks) { checks.that(context.loadedQuietly, "no host call during loading"); });
}

}  // namespace plugintests
