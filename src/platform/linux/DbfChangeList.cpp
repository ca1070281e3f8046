// Linux face of the change list: TA_LIST.DBF read and updated in place with shapelib, its texts
// in Windows-1252 as the simulated host writes them. The file
// is opened for each statement and closed after it, as a database driver would leave it: another
// reader sees every update at once, and nothing stays open between two transfers.
#include "platform/ChangeListConnection.h"

#include <shapefil.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string_view>

#include "common/LibraryError.h"
#include "platform/ChangeListReasons.h"
#include "platform/TextEncoding.h"

namespace aggregate::platform {

namespace {

constexpr const char* kKennung = "KENNUNG";
constexpr const char* kChanged = "CHANGED";
constexpr std::string_view kUpdate = "UPDATE";  // zero-terminated literal

struct DbfClose {
  void operator()(DBFHandle handle) const { DBFClose(handle); }
};
using DbfFile = std::unique_ptr<DBFInfo, DbfClose>;

// shapelib looks for "<stem>.dbf" before "<stem>.DBF"; on a case-sensitive file system the
// first may be another file than the project's TA_LIST.DBF.
SAFile openWithUpperCaseExtension(const char* filename, const char* access) {
  std::string name(filename);
  if (name.size() >= 4 && name.compare(name.size() - 4, 4, ".dbf") == 0)
    name.replace(name.size() - 3, 3, "DBF");
  SAHooks defaults;
  SASetupDefaultHooks(&defaults);
  return defaults.FOpen(name.c_str(), access);
}

// The library's own reasons are told to the user in German; shapelib's stay off the console.
void ignoreLibraryMessage(const char*) {}

SAHooks changeListHooks() {
  SAHooks hooks;
  SASetupDefaultHooks(&hooks);
  hooks.FOpen = openWithUpperCaseExtension;
  hooks.Error = ignoreLibraryMessage;
  return hooks;
}

struct CharacterField {
  int index = -1;
  int offset = 0;  // in the raw record, after the deletion flag
  int width = 0;
};

class DbfChangeList final : public ChangeListConnection {
 public:
  explicit DbfChangeList(std::string path) : path_(std::move(path)) {
    const DbfFile file = open("rb");
    field(file.get(), kKennung);
    field(file.get(), kChanged);
  }

  std::string changeState(const std::string& kennung) override {
    const DbfFile file = open("rb");
    const CharacterField kennungField = field(file.get(), kKennung);
    const CharacterField changedField = field(file.get(), kChanged);
    const std::string stored = utf8ToWindows1252(kennung);
    for (int record = 0; record < DBFGetRecordCount(file.get()); ++record) {
      const char* raw = readRecord(file.get(), record);
      if (raw != nullptr && valueOf(raw, kennungField) == stored)
        return windows1252ToUtf8(valueOf(raw, changedField));
    }
    return {};
  }

  void setChangeStateUpdate(const std::string& kennung) override {
    const DbfFile file = open("rb+");
    const CharacterField kennungField = field(file.get(), kKennung);
    const CharacterField changedField = field(file.get(), kChanged);
    const std::string stored = utf8ToWindows1252(kennung);
    bool written = false;
    for (int record = 0; record < DBFGetRecordCount(file.get()); ++record) {
      const char* raw = readRecord(file.get(), record);
      if (raw == nullptr || valueOf(raw, kennungField) != stored) continue;
      if (DBFWriteStringAttribute(file.get(), record, changedField.index, kUpdate.data()) == 0)
        fail(std::string("Der Eintrag von ") + kennung + " konnte nicht geschrieben werden.");
      written = true;
    }
    if (written) stampToday(file.get());
  }

 private:
  [[noreturn]] static void fail(const std::string& reason) { throw LibraryError(reason); }

  DbfFile open(const char* access) const {
    SAHooks hooks = changeListHooks();
    DbfFile file(DBFOpenLL(path_.c_str(), access, &hooks));
    if (file == nullptr) fail(whyNotOpened(access));
    checkRecordsPresent(file.get());
    return file;
  }

  // shapelib cannot tell a file it may not open from one that is no dBase table.
  std::string whyNotOpened(const char* access) const {
    std::FILE* probe = std::fopen(path_.c_str(), access);
    if (probe != nullptr) {
      std::fclose(probe);
      return changelist::notDbase();
    }
    switch (errno) {
      case EACCES:
      case EPERM:
      case EROFS:
        return access[2] == '+' ? changelist::writeProtected() : changelist::readProtected();
      case ENOENT:
        return changelist::missing();
      default:
        return changelist::notOpened(errno);
    }
  }

  // A header that claims more records than the file holds comes from a file cut short; walking
  // the claimed records would take hours and read nothing.
  void checkRecordsPresent(DBFHandle file) const {
    struct stat info {};
    if (stat(path_.c_str(), &info) != 0) fail(changelist::missing());
    const std::string damage =
        changelist::cutShort(DBFGetRecordCount(file), file->nHeaderLength, file->nRecordLength,
                             static_cast<long long>(info.st_size));
    if (!damage.empty()) fail(damage);
  }

  static CharacterField field(DBFHandle file, const char* name) {
    CharacterField found;
    found.index = DBFGetFieldIndex(file, name);
    if (found.index < 0) fail(std::string("Die Spalte ") + name + " fehlt.");
    int offset = 1;  // the deletion flag
    for (int index = 0; index <= found.index; ++index) {
      int width = 0;
      const DBFFieldType type = DBFGetFieldInfo(file, index, nullptr, &width, nullptr);
      if (index == found.index) {
        if (type != FTString || DBFGetNativeFieldType(file, index) != 'C')
          fail(std::string("Die Spalte ") + name + " ist keine Textspalte.");
        found.offset = offset;
        found.width = width;
      }
      offset += width;
    }
    return found;
  }

  // The raw record, or nullptr for a deleted one, which a database driver does not return.
  // A record that cannot be read is no deleted one: the list cannot be trusted then.
  static const char* readRecord(DBFHandle file, int record) {
    const char* raw = DBFReadTuple(file, record);
    if (raw == nullptr)
      fail(std::string("Der Eintrag ") + std::to_string(record + 1) + " lässt sich nicht lesen.");
    return raw[0] == '*' ? nullptr : raw;
  }

  // The field without its blank padding; leading blanks are part of the value.
  static std::string_view valueOf(const char* raw, const CharacterField& field) {
    std::string_view value(raw + field.offset, static_cast<std::size_t>(field.width));
    while (!value.empty() && (value.back() == ' ' || value.back() == '\0')) value.remove_suffix(1);
    return value;
  }

  static void stampToday(DBFHandle file) {
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    DBFSetLastModifiedDate(file, today.tm_year, today.tm_mon + 1, today.tm_mday);
  }

  std::string path_;
};

}  // namespace

std::unique_ptr<ChangeListConnection> connectChangeList(const std::string&, const std::string& directory) {
  return std::make_unique<DbfChangeList>(directory + "/TA_LIST.DBF");
}

}  // namespace aggregate::platform
