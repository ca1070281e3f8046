// Texts in the user's ANSI code page, run under a Polish user (code page 1250): names that
// Windows-1252 cannot hold reach the plug-in, its windows and the change list unchanged, and its
// own German texts show right.
#include <windows.h>

#include <algorithm>

#include "HostFixture.h"
#include "hostdata/ObjectClasses.h"
#include "support/DbaseFile.h"
#include "support/Text.h"
#include "support/WindowView.h"

namespace plugintests {

using aggregate::kClassBT;
using aggregate::kClassGB;
using aggregate::kClassMAS;
using wintest::Checks;

void codePageTests(Context& context) {
  context.run.group("texts in the user's code page");

  context.run.run("the user's ANSI code page is the Polish one",
                  [](Checks& checks) { checks.equal(static_cast<long long>(GetACP()), 1250, "GetACP()"); });

  context.run.run(
      "a folder and Kennungen outside Windows-1252: shown, written back, found in the change list",
      [&](Checks& checks) {
        const std::string folder = context.siblingDirectory(L"Projekt Łódź");
        auto& project = context.freshProject();
        project.reset(folder, folder + "Projekt.mdb", project.window());
        const int32_t source = project.addObject(wintest::ansi(L"BT-Żuraw"), kClassBT, 2);
        project.addRow(source, "BtypHtyp",
                       {{"Biotoptyp", "WXA"}, {"Oekotyp", wintest::ansi(L"Łąka wilgotna")}});
        const int32_t target = project.addObject(wintest::ansi(L"GB-Łąka"), kClassGB, 2);
        project.select({source, target});
        const std::wstring list = wintest::fromAnsi(folder) + L"TA_LIST.DBF";
        DeleteFileW(list.c_str());
        wintest::DbaseFile::create(list, {{"KENNUNG", 20}, {"CHANGED", 10}},
                                   {{wintest::encode(CP_OEMCP, L"GB-Łąka"), "IGNORED"}});
        std::vector<std::wstring> statuses;
        project.setCallObserver([&](const std::string&) {
          const HWND window = wintest::findWindow(L"Datenübertragung BT -> GB");
          if (window == nullptr) return;
          const auto view = wintest::inspect(window);
          const auto* label = view.control(L"Static");
          if (label != nullptr && (statuses.empty() || statuses.back() != label->text))
            statuses.push_back(label->text);
        });
        checks.none(context.watcher.run({}, [&] { context.plugin.call("BTToGB"); }));
        project.setCallObserver(nullptr);
        checks.that(std::find(statuses.begin(), statuses.end(), L"Lese Daten von BT-Żuraw") != statuses.end(),
                    "the progress window names the source as the user wrote it");
        const auto rows = project.rows(target, "BtypHtyp");
        checks.that(rows.size() == 1 && rows.front().values.at("Oekotyp") == wintest::ansi(L"Łąka wilgotna"),
                    "the Oekotyp text arrives in the target byte for byte");
        const auto file = wintest::DbaseFile::read(list);
        checks.that(file.value(0, 1) == "UPDATE", "the target's entry is marked");
      });

  context.run.run("a database path outside Windows-1252 in a German message", [&](Checks& checks) {
    const std::string folder = context.siblingDirectory(L"Projekt Łódź");
    auto& project = context.freshProject();
    project.reset(folder, folder + "Projekt.mdb", project.window());
    DeleteFileW((wintest::fromAnsi(folder) + L"Projekt.mdb").c_str());
    const int32_t measure = project.addObject(wintest::ansi(L"M-Świerk"), kClassMAS, 1);
    project.select({measure});
    const auto failure =
        context.dialog(L"Fehler",
                       {L"Verbindung zur Projektdatenbank " + wintest::fromAnsi(folder) +
                        L"Projekt.mdb  konnte nicht aufgebaut werden!\r\nCould not find file '" +
                        wintest::fromAnsi(folder) + L"Projekt.mdb'. (0x80004005)"},
                       {L"OK"}, IDI_ERROR);
    checks.none(context.watcher.run({failure}, [&] { context.plugin.call("BT_FT_FPToMAS"); }));
  });
}

}  // namespace plugintests
