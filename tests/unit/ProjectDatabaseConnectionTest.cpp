// The measure run's connection: a database path as the host names it.
#include "measures/ProjectDatabaseConnection.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/LibraryError.h"
#include "doubles/FakeHost.h"
#include "doubles/RecordingUserInterface.h"
#include "platform/TextEncoding.h"

using namespace aggregate;

namespace {

const std::string kFixtures = AGGREGATE_FIXTURES_DIR;

class ProjectDatabaseConnectionTest : public ::testing::Test {
 protected:
  void SetUp() override { fakehost::reset(); }
  void TearDown() override { fakehost::reset(); }

  void hostNamesDatabase(const std::string& path) {
    fakehost::hooks().getProjectDB = [path](char* buffer, int32_t n) {
      return fakehost::deliver(path, buffer, n);
    };
  }

  testdoubles::RecordingUserInterface ui;
};

TEST_F(ProjectDatabaseConnectionTest, APathWithBlanksAndUmlautsIsOpened) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "aggregate Projekt \xC3\xA4";
  fs::create_directories(dir);
  fs::copy_file(kFixtures + "/project_small.mdb", dir / "projekt daten.mdb",
                fs::copy_options::overwrite_existing);
  hostNamesDatabase(platform::utf8ToWindows1252((dir / "projekt daten.mdb").string()));
  {
    ProjectDatabaseConnection database;
    EXPECT_TRUE(database.open());
    EXPECT_TRUE(database.keysOfObject("BtypHtyp", 999).empty());
    EXPECT_EQ(database.keysOfObject("BtypHtyp", 102), (std::vector<int32_t>{2, 3}));
  }
  EXPECT_TRUE(ui.messages.empty());
  fs::remove_all(dir);
}

TEST_F(ProjectDatabaseConnectionTest, WithoutAConnectionQuestionsFail) {
  hostNamesDatabase(kFixtures + "/fehlt.mdb");
  ProjectDatabaseConnection database;
  EXPECT_FALSE(database.open());
  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_EQ(ui.messages[0].text,
            "Verbindung zur Projektdatenbank " + kFixtures +
                "/fehlt.mdb  konnte nicht aufgebaut werden!\r\nDie Projektdatenbank lässt sich nicht lesen "
                "(unable to open database file).");
  EXPECT_THROW(database.valuesOfObject("Tierliste", "Tierart", 201), LibraryError);
}

}  // namespace
