// deleteObject through the simulated host: the input dialog reads standard input, the answer must
// be integer text, and the export always returns -1.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ClassCodes.h"
#include "ConsoleRedirect.h"
#include "Host.h"
#include "ProjectBuilder.h"
#include "TempDir.h"

namespace {

using ::testing::HasSubstr;

class DeleteObject : public ::testing::Test {
 protected:
  DeleteObject() {
    host::ProjectBuilder project;
    project.addRectangle(1, "GB-1", host::kClassGB, 0, 0, 100, 100);
    first = project.addRow("BtypHtyp", 1, std::nullopt, {{"Biotoptyp", "GMF"}});
    second = project.addRow("BtypHtyp", 1, std::nullopt, {{"Biotoptyp", "WBA"}});
    project.addRow("Zusatzcodes", 1, second, {{"Zusatzcode", "h"}});
    project.write(temp / "projekt");
    host.open(temp / "projekt");
    host.loadPlugin(AGGREGATE_PLUGIN_PATH);
    host.setActive("GB-1");
  }

  // Runs deleteObject with this text on standard input; returns what the plug-in traced.
  std::string answer(const std::string& input) {
    testsupport::StderrCapture stderrText;
    testsupport::StdinFeed feed(input);
    EXPECT_EQ(host.runExport("deleteObject"), -1);
    return stderrText.text();
  }

  std::vector<std::int64_t> remainingKeys() const {
    std::vector<std::int64_t> keys;
    for (const auto& row : host.rows("GB-1", "BtypHtyp")) keys.push_back(row.key);
    return keys;
  }

  testsupport::TempDir temp;
  host::Host host;
  std::int64_t first = 0;
  std::int64_t second = 0;
};

TEST_F(DeleteObject, KeyWithALeadingBlankDeletesThatRowAndItsDetails) {
  const std::string trace = answer(" " + std::to_string(second) + "\n");
  EXPECT_THAT(trace, HasSubstr("[Eingabe] PKey: Jau [0]"));
  EXPECT_EQ(remainingKeys(), std::vector<std::int64_t>{first});
  EXPECT_TRUE(host.rows("GB-1", "Zusatzcodes").empty());
  EXPECT_THAT(trace, ::testing::Not(HasSubstr("[Fehler]")));
}

TEST_F(DeleteObject, AnythingButIntegerTextDeletesNothingAndSaysWhy) {
  for (const std::string& input :
       std::vector<std::string>{std::to_string(second) + " \n", "zwoelf\n", "\n"}) {
    host.resetCallCounts();
    const std::string trace = answer(input);
    EXPECT_EQ(remainingKeys(), (std::vector<std::int64_t>{first, second})) << input;
    EXPECT_EQ(host.callCount("tlDeleteRecord"), 0) << input;
    EXPECT_THAT(trace, HasSubstr("[Fehler]"));
    EXPECT_THAT(trace, HasSubstr("ist kein gültiger Ganzzahlwert"));
  }
}

TEST_F(DeleteObject, CancelDeletesTheKeyOfThePresetWhichNoRowHas) {
  answer("");
  EXPECT_EQ(host.callCount("tlDeleteRecord"), 1);
  EXPECT_EQ(remainingKeys(), (std::vector<std::int64_t>{first, second}));
}

}  // namespace
