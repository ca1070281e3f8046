// The Linux face of the project database: files told apart by SQLite itself, the .mdb fixtures
// read through mdbtools and answered from memory.
#include "platform/ProjectDatabase.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/LibraryError.h"

using namespace aggregate;
using platform::connectProjectDatabase;
using Values = std::vector<std::string>;
using Keys = std::vector<int32_t>;

namespace {

const std::string kFixtures = AGGREGATE_FIXTURES_DIR;

std::unique_ptr<platform::ProjectDatabase> open(const std::string& file) {
  return connectProjectDatabase("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + file, file);
}

class MdbProjectDatabase : public ::testing::Test {
 protected:
  std::unique_ptr<platform::ProjectDatabase> db = open(kFixtures + "/project_small.mdb");
};

TEST_F(MdbProjectDatabase, KeysOfAnObjectInTheTablesOrder) {
  EXPECT_EQ(db->keysOfObject("BtypHtyp", 102), (Keys{2, 3}));
  EXPECT_EQ(db->keysOfObject("BtypHtyp", 101), Keys{1});
  EXPECT_EQ(db->keysOfObject("BtypHtyp", 999), Keys{});
  EXPECT_EQ(db->keysOfObject("btyphtyp", 102), (Keys{2, 3}));
  EXPECT_EQ(db->valuesOfObject("BTYPHTYP", "pkey", 102), (Values{"2", "3"}));
}

TEST_F(MdbProjectDatabase, NullAndEmptyTextBothComeBackEmpty) {
  EXPECT_EQ(db->valuesOfObject("Tierliste", "Tierart", 201), (Values{"Lacerta agilis", "Bufo bufo", ""}));
  EXPECT_EQ(db->valuesOfObject("BtypHtyp", "P62_Typ", 102), (Values{"", ""}));
}

TEST_F(MdbProjectDatabase, TextsArriveInUtf8) {
  EXPECT_EQ(
      db->valuesOfObject("Pflanzenliste", "Pflanzenart", 301),
      (Values{"Arnica montana", "Großes Zweiblatt", "Sumpf-Blutauge (Comarum palustre) – ä ö ü Ä Ö Ü"}));
}

TEST_F(MdbProjectDatabase, MissingTablesAndColumnsFail) {
  EXPECT_NO_THROW(db->openTable("BTypHTyp"));
  EXPECT_NO_THROW(db->openTable("planungrelarten"));
  EXPECT_THROW(db->openTable("Massnahmen"), LibraryError);
  EXPECT_THROW(db->keysOfObject("Massnahmen", 1), LibraryError);
  EXPECT_THROW(db->valuesOfObject("BtypHtyp", "Unbekannt", 1), LibraryError);
  EXPECT_THROW(db->valuesOfObject("BtypHtyp", "PKey from BtypHtyp; --", 1), LibraryError);
}

TEST(ProjectDatabaseFile, AMissingTableIsToldApart) {
  auto db = open(kFixtures + "/project_missing_planung.mdb");
  EXPECT_THROW(db->openTable("PlanungRelArten"), LibraryError);
  EXPECT_NO_THROW(db->openTable("Schichtung"));
  EXPECT_EQ(db->keysOfObject("BtypHtyp", 102), (Keys{2, 3}));
}

TEST(ProjectDatabaseFile, OnlyKnownFormatsAreOpened) {
  EXPECT_THROW(open(kFixtures + "/nicht-da.mdb"), LibraryError);
  const auto text = std::filesystem::temp_directory_path() /
                    ("aggregate-not-a-database-" + std::to_string(getpid()) + ".mdb");
  std::ofstream(text) << "Standard Jet DB, just text pretending to be a database";
  EXPECT_THROW(open(text.string()), LibraryError);
  std::ofstream(text, std::ios::trunc).close();
  EXPECT_THROW(open(text.string()), LibraryError);
  std::filesystem::remove(text);
}

// A file whose catalog cannot be read is no connection: cut short at a page or within one, or a
// SQLite header with garbage after it.
TEST(ProjectDatabaseFile, ADamagedFileIsNotConnected) {
  std::ifstream fixture(kFixtures + "/project_small.mdb", std::ios::binary);
  const std::string whole{std::istreambuf_iterator<char>(fixture), std::istreambuf_iterator<char>()};
  const auto file =
      std::filesystem::temp_directory_path() / ("aggregate-damaged-" + std::to_string(getpid()) + ".mdb");
  for (const std::string& content :
       {whole.substr(0, 4096), whole.substr(0, 65536), whole.substr(0, 131072),
        whole.substr(0, whole.size() - 100), std::string("SQLite format 3\0", 16) + std::string(8192, 'x')}) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
    EXPECT_THROW(open(file.string()), LibraryError) << content.size();
  }
  std::filesystem::remove(file);
}

// A SQLite store as the simulated host writes it, built by the statements given.
class SqliteFile {
 public:
  explicit SqliteFile(const std::string& statements)
      : path_(std::filesystem::temp_directory_path() /
              ("aggregate-project-database-" + std::to_string(getpid()) + ".sqlite")) {
    std::filesystem::remove(path_);
    sqlite3* db = nullptr;
    sqlite3_open(path_.c_str(), &db);
    EXPECT_EQ(sqlite3_exec(db, statements.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    sqlite3_close(db);
  }
  ~SqliteFile() { std::filesystem::remove(path_); }
  SqliteFile(const SqliteFile&) = delete;
  SqliteFile& operator=(const SqliteFile&) = delete;
  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

TEST(SqliteProjectDatabase, AnswersByObjectInWindows1252) {
  const SqliteFile file(
      "CREATE TABLE BtypHtyp (PKey INTEGER PRIMARY KEY, TOLVARID INTEGER, Biotoptyp TEXT, \"Bemerkung\"\"\" "
      "TEXT);"
      "CREATE INDEX BtypHtyp_TOLVARID ON BtypHtyp (TOLVARID);"
      "INSERT INTO BtypHtyp VALUES (7, 102, 'WBA', 'a'), (3, 101, NULL, ''), (9, 102, 'Gro\xC3\x9F', 'b');");
  auto db = open(file.path());
  EXPECT_EQ(db->keysOfObject("BTYPHTYP", 102), (Keys{7, 9}));
  EXPECT_EQ(db->keysOfObject("BtypHtyp", 5), Keys{});
  EXPECT_EQ(db->valuesOfObject("BtypHtyp", "biotoptyp", 102), (Values{"WBA", "Gro\xC3\x9F"}));
  EXPECT_EQ(db->valuesOfObject("BtypHtyp", "Biotoptyp", 101), Values{""});
  EXPECT_EQ(db->valuesOfObject("BtypHtyp", "Bemerkung\"", 101), Values{""});
  EXPECT_NO_THROW(db->openTable("btyphtyp"));
  EXPECT_THROW(db->openTable("Schichtung"), LibraryError);
  EXPECT_THROW(db->keysOfObject("Schichtung", 1), LibraryError);
  // Not a text that happens to be the name, and no way around the question asked.
  EXPECT_THROW(db->valuesOfObject("BtypHtyp", "Unbekannt", 102), LibraryError);
  EXPECT_THROW(db->valuesOfObject("BtypHtyp", "Biotoptyp\" FROM BtypHtyp --", 102), LibraryError);
}

TEST(SqliteProjectDatabase, KeysAreWholeNumbersOf32Bits) {
  const SqliteFile file(
      "CREATE TABLE BtypHtyp (PKey, TOLVARID INTEGER);"
      "INSERT INTO BtypHtyp VALUES (-12, 1), (2147483647, 1), (NULL, 2), ('7x', 3), (2147483648, 4), (1.5, "
      "5);");
  auto db = open(file.path());
  EXPECT_EQ(db->keysOfObject("BtypHtyp", 1), (Keys{-12, 2147483647}));
  for (int32_t object : {2, 3, 4, 5})
    EXPECT_THROW(db->keysOfObject("BtypHtyp", object), LibraryError) << object;
}

// Whether another process would be kept from writing the file by a shared lock of this one on
// the bytes where SQLite's readers lock it; asked from a child, as POSIX locks are the process's.
bool readLockHeldOn(const std::string& path) {
  const pid_t child = fork();
  if (child == 0) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0x40000002;  // SQLite's shared-lock range
    lock.l_len = 510;
    _exit(fd >= 0 && fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type == F_RDLCK ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The host keeps its WAL store open while the plug-in reads it in the same process: closing any
// second handle on the file would release the host's lock, and another process would take the
// WAL away as the last one out.
TEST(SqliteProjectDatabase, TheHostsLockOnTheFileStays) {
  const SqliteFile file(
      "PRAGMA journal_mode=WAL; CREATE TABLE BtypHtyp (PKey INTEGER PRIMARY KEY, TOLVARID INTEGER);"
      "INSERT INTO BtypHtyp VALUES (4, 1);");
  sqlite3* host = nullptr;
  sqlite3_open(file.path().c_str(), &host);
  sqlite3_exec(host, "SELECT count(*) FROM BtypHtyp", nullptr, nullptr, nullptr);
  ASSERT_TRUE(readLockHeldOn(file.path()));
  {
    auto db = open(file.path());
    EXPECT_EQ(db->keysOfObject("BtypHtyp", 1), Keys{4});
  }
  EXPECT_TRUE(readLockHeldOn(file.path()));
  sqlite3_close(host);
}

}  // namespace
