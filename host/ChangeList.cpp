#include "ChangeList.h"

#include <shapefil.h>

#include <cstdint>
#include <memory>
#include <string>

#include "Host.h"
#include "Windows1252.h"

namespace host {

using host::ansiToUtf8;
using host::utf8ToAnsi;

namespace {

constexpr int kKennungWidth = 128;
constexpr int kChangedWidth = 20;

struct DbfCloser {
  void operator()(DBFInfo* dbf) const { DBFClose(dbf); }
};
using DbfFile = std::unique_ptr<DBFInfo, DbfCloser>;

std::string withoutPadding(const char* text) {
  std::string value = text != nullptr ? text : "";
  value.erase(value.find_last_not_of(' ') + 1);
  return value;
}

void writeEntries(const std::filesystem::path& dbfFile, const std::vector<ChangeListEntry>& entries) {
  // LDID 87 marks the file as Windows-1252.
  DbfFile dbf(DBFCreateEx(dbfFile.c_str(), "LDID/87"));
  if (!dbf) throw HostError(dbfFile.string() + " lässt sich nicht anlegen");
  if (DBFAddField(dbf.get(), "KENNUNG", FTString, kKennungWidth, 0) != 0 ||
      DBFAddField(dbf.get(), "CHANGED", FTString, kChangedWidth, 0) != 1) {
    throw HostError("Die Spalten von " + dbfFile.string() + " lassen sich nicht anlegen");
  }
  int record = 0;
  for (const ChangeListEntry& entry : entries) {
    if (!DBFWriteStringAttribute(dbf.get(), record, 0, utf8ToAnsi(entry.kennung).c_str()) ||
        !DBFWriteStringAttribute(dbf.get(), record, 1, utf8ToAnsi(entry.changed).c_str())) {
      throw HostError(dbfFile.string() + " lässt sich nicht schreiben");
    }
    ++record;
  }
}

// A header that claims more records than the file holds (cut short by a crash, one flipped byte)
// would have every missing record read in turn, for minutes.
void refuseCutShort(const DBFInfo& dbf, const std::filesystem::path& dbfFile) {
  const std::uintmax_t size = std::filesystem::file_size(dbfFile);
  const std::uintmax_t header = static_cast<std::uintmax_t>(dbf.nHeaderLength);
  const std::uintmax_t held = size > header && dbf.nRecordLength > 0
                                  ? (size - header) / static_cast<std::uintmax_t>(dbf.nRecordLength)
                                  : 0;
  if (static_cast<std::uintmax_t>(dbf.nRecords) > held) {
    throw HostError(dbfFile.string() + " ist beschädigt: ihr Kopf nennt " + std::to_string(dbf.nRecords) +
                    " Einträge, sie enthält aber nur " + std::to_string(held));
  }
}

}  // namespace

void writeChangeList(const std::filesystem::path& dbfFile, const std::vector<ChangeListEntry>& entries) {
  // shapelib names what it creates "<stem>.dbf"; the project's file is renamed afterwards.
  std::filesystem::path created = dbfFile;
  created.replace_extension(".dbf");
  writeEntries(created, entries);
  std::error_code error;
  std::filesystem::rename(created, dbfFile, error);
  if (error) throw HostError(dbfFile.string() + " lässt sich nicht anlegen: " + error.message());
}

std::vector<ChangeListEntry> readChangeList(const std::filesystem::path& dbfFile) {
  DbfFile dbf(DBFOpen(dbfFile.c_str(), "rb"));
  if (!dbf) throw HostError(dbfFile.string() + " lässt sich nicht lesen");
  refuseCutShort(*dbf, dbfFile);
  const int kennung = DBFGetFieldIndex(dbf.get(), "KENNUNG");
  const int changed = DBFGetFieldIndex(dbf.get(), "CHANGED");
  if (kennung < 0 || changed < 0)
    throw HostError("In " + dbfFile.string() + " fehlt die Spalte KENNUNG oder CHANGED");
  std::vector<ChangeListEntry> entries;
  for (int record = 0; record < DBFGetRecordCount(dbf.get()); ++record) {
    if (DBFIsRecordDeleted(dbf.get(), record)) continue;
    entries.push_back({ansiToUtf8(withoutPadding(DBFReadStringAttribute(dbf.get(), record, kennung))),
                       ansiToUtf8(withoutPadding(DBFReadStringAttribute(dbf.get(), record, changed)))});
  }
  return entries;
}

}  // namespace host
