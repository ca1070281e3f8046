// The real plug-in loaded into the simulated host: exports resolve, dialogs trace to standard error
// and read standard input.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ClassCodes.h"
#include "ConsoleRedirect.h"
#include "Host.h"
#include "ProjectBuilder.h"
#include "TempDir.h"

namespace {

class PluginLoading : public ::testing::Test {
 protected:
  PluginLoading() {
    host::ProjectBuilder project;
    project.addRectangle(1, "GB-1", host::kClassGB, 0, 0, 100, 100);
    first = project.addRow("BtypHtyp", 1, std::nullopt, {{"Biotoptyp", "GMF"}});
    second = project.addRow("BtypHtyp", 1, std::nullopt, {{"Biotoptyp", "WBA"}});
    project.write(temp / "projekt");
    host.open(temp / "projekt");
    host.loadPlugin(AGGREGATE_PLUGIN_PATH);
    host.setActive("GB-1");
  }

  testsupport::TempDir temp;
  host::Host host;
  std::int64_t first = 0;
  std::int64_t second = 0;
};

TEST_F(PluginLoading, DeleteObjectAsksForTheKeyOnStandardInput) {
  testsupport::StderrCapture stderrText;
  testsupport::StdinFeed input(" " + std::to_string(second) + "\n");
  EXPECT_EQ(host.runExport("deleteObject"), -1);
  EXPECT_THAT(stderrText.text(), ::testing::HasSubstr("[Eingabe] PKey: Jau [0]"));
  ASSERT_EQ(host.rows("GB-1", "BtypHtyp").size(), 1u);
  EXPECT_EQ(host.rows("GB-1", "BtypHtyp")[0].key, first);
  EXPECT_EQ(host.callCount("tlDeleteRecord"), 1);
}

TEST_F(PluginLoading, EndOfInputCancelsAndDeletesNothing) {
  testsupport::StderrCapture stderrText;
  testsupport::StdinFeed input("");
  EXPECT_EQ(host.runExport("deleteObject"), -1);
  EXPECT_EQ(host.rows("GB-1", "BtypHtyp").size(), 2u);
}

}  // namespace
