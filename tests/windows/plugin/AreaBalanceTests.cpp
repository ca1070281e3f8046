#include <windows.h>

#include "HostFixture.h"
#include "hostdata/ObjectClasses.h"

namespace plugintests {

using aggregate::kClassGB;
using wintest::Checks;

void areaBalanceTests(Context& context) {
  context.run.group("area balance");

  context.run.run("unbalanced areas: one warning, a line per finding, joined by CR LF", [&](Checks& checks) {
    auto& project = context.freshProject();
    const int32_t gb = project.addObject("GB-1", kClassGB, 4.5);
    for (int row = 0; row < 3; ++row) project.addRow(gb, "BtypHtyp", {{"Biotoptyp", "WXA"}});
    project.activate(gb);
    auto warning = context.dialog(L"Warnung",
                                  {L"Es gibt 3 BT-Datensätze ohne Flächenangabe.\r\n"
                                   L" Die Summe der Flächenanteile ist zu klein (0 %)\r\n"
                                   L" Die Summe der Teilflächen ist zu klein (0 ha gegen 4,5 ha)"},
                                  {L"OK"}, IDI_WARNING);
    warning.screenshot = "area-balance-warning";
    int16_t result = 0;
    checks.none(context.watcher.run({warning}, [&] { result = context.plugin.call("BerechneBTFlaechen"); }));
    checks.equal(result, -1, "result");
  });

  context.run.run("an object without area: the conversion warning", [&](Checks& checks) {
    auto& project = context.freshProject();
    const int32_t gb = project.addObject("GB-1", kClassGB, 0);
    project.addRow(gb, "BtypHtyp", {{"FLAECHE", "1"}});
    project.activate(gb);
    const auto warning = context.dialog(
        L"Warnung", {L"ha-%-Umrechnung ohne Gesamtflächenangabe nicht möglich!"}, {L"OK"}, IDI_WARNING);
    int16_t result = 0;
    checks.none(context.watcher.run({warning}, [&] { result = context.plugin.call("BerechneBTFlaechen"); }));
    checks.equal(result, -1, "result");
    checks.that(project.rows(gb, "BtypHtyp").front().values.at("FLAECHE") == "1", "no row is touched");
  });
}

}  // namespace plugintests
