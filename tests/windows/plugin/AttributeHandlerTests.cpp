#include <windows.h>

#include <array>
#include <cstring>

#include "HostFixture.h"
#include "hostdata/ObjectClasses.h"

namespace plugintests {

using aggregate::kClassBT;
using aggregate::kClassGB;
using wintest::Checks;

namespace {

constexpr char kUntouched = 'X';

// The host's destination buffer after a handler was called with value.
std::array<char, 64> handled(const Context& context, const char* handler, const char* value,
                             int16_t& result) {
  std::array<char, 64> buffer;
  buffer.fill(kUntouched);
  result = context.plugin.call(handler, reinterpret_cast<intptr_t>(value),
                               reinterpret_cast<intptr_t>(buffer.data()));
  return buffer;
}

}  // namespace

void attributeHandlerTests(Context& context) {
  context.run.group("attribute handlers");

  for (const char* handler : {"SetP62Flag", "SetFFHFlag", "FlaecheAbsolutChanged", "FlaechenanteilChanged"}) {
    context.run.run(
        std::string(handler) + " copies the value as entered into the host's buffer", [&](Checks& checks) {
          auto& project = context.freshProject();
          const int32_t id = project.addObject("BT-1", kClassBT, 2.0);
          project.addRow(id, "BtypHtyp", {{"Biotoptyp", "WXA"}});
          project.activate(id);
          for (const char* value : {" 12,5 ", "",
                                    "Gr\xF6\xDF"
                                    "e"}) {
            int16_t result = 0;
            std::array<char, 64> buffer{};
            checks.none(context.watcher.run({}, [&] { buffer = handled(context, handler, value, result); }));
            const std::size_t length = std::strlen(value);
            checks.equal(result, -1, "result");
            checks.that(std::memcmp(buffer.data(), value, length + 1) == 0,
                        "the value with its zero is copied");
            checks.that(buffer[length + 1] == kUntouched, "nothing is written behind the value");
          }
        });
  }

  // The check script runs Wine with a German user: the comma is the decimal separator.
  context.run.run(
      "a percentage typed with the user's decimal comma gives hectares with a point", [&](Checks& checks) {
        auto& project = context.freshProject();
        const int32_t gb = project.addObject("GB-1", kClassGB, 3.2);
        project.addRow(gb, "BtypHtyp", {{"Flaechenanteil", "12,5"}});
        project.activate(gb);
        int16_t result = 0;
        checks.none(
            context.watcher.run({}, [&] { handled(context, "FlaechenanteilChanged", "12,5", result); }));
        checks.that(project.rows(gb, "BtypHtyp").front().values.at("FLAECHE") == "0.4", "FLAECHE is 0.4");
      });

  context.run.run("a percentage typed with a point is no number for a German user", [&](Checks& checks) {
    auto& project = context.freshProject();
    const int32_t gb = project.addObject("GB-1", kClassGB, 3.2);
    project.addRow(gb, "BtypHtyp", {{"Flaechenanteil", "12.5"}, {"FLAECHE", "1"}});
    project.activate(gb);
    // The words are the handler's; that it names the comma is the regional setting at work.
    auto warning = context.dialog(L"Warnung", {}, {L"OK"}, IDI_WARNING);
    warning.leads = {L"Der Wert \"12.5\" ist keine Zahl mit dem Dezimaltrennzeichen \",\""};
    int16_t result = 0;
    checks.none(
        context.watcher.run({warning}, [&] { handled(context, "FlaechenanteilChanged", "12.5", result); }));
    checks.that(project.rows(gb, "BtypHtyp").front().values.at("FLAECHE") == "1", "FLAECHE is unchanged");
  });
}

}  // namespace plugintests
