// The simulated host: a project on disk, the plug-in loaded with dlopen, and every tl* function of
// TolvarApi.h served from this session. Tests and the command line drive it through this class.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "HostError.h"
#include "TextCase.h"

namespace host {

// Values are UTF-8; std::nullopt is SQL NULL.
using FieldValues = std::map<std::string, std::optional<std::string>, CaseInsensitiveLess>;

struct Row {
  std::int64_t key = 0;                   // PKey
  std::int32_t objectId = 0;              // TOLVARID
  std::optional<std::int64_t> masterKey;  // MASTERKEY; none in root tables and for rows owned by the object
  FieldValues fields;                     // text columns only (not PKey, TOLVARID, MASTERKEY)

  // The value of a field, "" for NULL or a missing field.
  std::string value(const std::string& field) const;
};

// A row with its detail rows, table by table in the order of the table tree.
struct RowNode {
  std::string table;
  Row row;
  std::vector<RowNode> children;
};

struct ObjectSummary {
  std::int32_t id = 0;
  std::string kennung;
  std::int32_t classCode = 0;
  std::int32_t geoType = 0;  // 0 none, 1 point, 2 line, 3 polygon, 14 multipolygon
  double areaHectares = 0;   // 0 unless geoType is 3 or 14
  bool temporary = false;    // made by window message 1202; never saved
};

class Session;

// One project session. The most recently opened Host is the process-wide current session that the
// tl* functions serve; destroying it leaves no current session (tl* calls then fail harmlessly).
// Every public operation is atomic on disk: it commits when it returns and rolls back (database and
// in-memory state) when it throws.
class Host {
 public:
  Host();
  explicit Host(const std::filesystem::path& projectDir);
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  void open(const std::filesystem::path& projectDir);
  bool isOpen() const;
  // The project directory, without trailing '/'; tlGetProjectDir reports it with one.
  std::filesystem::path projectDir() const;
  std::filesystem::path databasePath() const;
  std::filesystem::path changeListPath() const;  // TA_LIST.DBF in the project directory
  // From now on tlGetProjectDB names this file instead of the project's store, e.g. an Access
  // database holding the same rows.
  void reportProjectDatabase(const std::filesystem::path& file);

  // Registers the library under module name "aggregate.dll" whatever its file name.
  void loadPlugin(const std::filesystem::path& sharedObject);
  bool pluginLoaded() const;

  // Calls an export of the plug-in with (a1, a2, a3); commands take (0, 0, 0). Refused (HostError)
  // in a project the process may not write to, as editField is.
  std::int16_t runExport(const std::string& exportName, std::intptr_t a1 = 0, std::intptr_t a2 = 0,
                         std::intptr_t a3 = 0);

  // Replaces the selection by these objects, in this order.
  void select(const std::vector<std::string>& kennungen);
  std::vector<std::string> selection() const;
  void setActive(const std::string& kennung);
  std::optional<std::string> active() const;

  // Edits a field as a user would: activates the object, puts the table's cursor (and its parents')
  // on the row, calls the attached handler export if any, and stores what the handler left in its
  // destination buffer. Returns the stored value.
  std::string editField(const std::string& kennung, const std::string& table, std::int64_t key,
                        const std::string& field, const std::string& value);
  // When on, the plug-in's own value writes on a field with a handler call that handler first.
  void setNotifyOwnWrites(bool on);
  bool notifyOwnWrites() const;
  // "Table.Field" -> export name; from tolvar.json or the defaults.
  std::map<std::string, std::string, CaseInsensitiveLess> handlers() const;

  // Adds an object that is saved with the project and returns its id (the one after the largest).
  // wkt in metres, empty for no geometry; an invalid polygon is repaired as on loading. Throws
  // HostError for an empty or taken Kennung.
  std::int32_t addObject(const std::string& kennung, std::int32_t classCode, const std::string& wkt);
  // Appends a row that belongs to the object itself (no MASTERKEY) and returns its PKey.
  std::int64_t addRow(const std::string& kennung, const std::string& table, const FieldValues& fields);
  // The text columns of a table of the project database, as it spells them.
  std::vector<std::string> columnsOf(const std::string& table) const;

  std::vector<ObjectSummary> objects() const;
  ObjectSummary object(const std::string& kennung) const;  // throws HostError when unknown
  std::int32_t idOf(const std::string& kennung) const;     // throws HostError when unknown
  bool exists(const std::string& kennung) const;

  // All rows of the object in the table, in PKey order, whatever the parent cursors.
  std::vector<Row> rows(const std::string& kennung, const std::string& table) const;
  // All rows of the object, nested by the table tree; detail rows without a parent row of the
  // object (e.g. find-site species with NULL MASTERKEY) stand at the top level.
  std::vector<RowNode> tree(const std::string& kennung) const;
  std::vector<std::string> tableNames() const;

  // tl* calls per function name since the last reset; window message 1202 counts as
  // "TL_MSG_TEMP_OBJECT".
  std::int64_t callCount(const std::string& function) const;
  std::map<std::string, std::int64_t> callCounts() const;
  // Also resets hostCallSeconds.
  void resetCallCounts();
  // Seconds spent inside tl* calls (a call made inside another counts once) since the last reset.
  double hostCallSeconds() const;
  // Fault injection: the n-th tl* call from now fails as the contract allows for it (its failure
  // result, an empty text buffer) and does nothing else; 0 disarms. failedCall() names the call
  // that was made to fail, empty while none has.
  void failCall(std::int64_t n);
  std::string failedCall() const;
  // Called with the function's name as each tl* call is served, for tests that act at a given
  // moment of a command (e.g. press Cancel). An empty function removes it.
  void setCallObserver(std::function<void(const std::string& function)> observer);

  // What the host told the user it could not do as asked (e.g. a value with no column to go to),
  // on standard error, since it was opened.
  const std::vector<std::string>& reportedFailures() const;

  // tlBeginUpdate/tlEndUpdate bracket depth; unbalanced once an end came without a begin.
  int updateDepth() const;
  bool updateUnbalanced() const;
  void resetUpdateBrackets();

  // Runs body as one atomic operation: one commit at the end, full rollback if it throws.
  template <typename Body>
  void atomically(Body&& body);

  // Moves everything committed into the main database file (WAL checkpoint), e.g. before the
  // sqlite3 tool or a copy reads it.
  void save();

  Session& session();  // internal; the host's own tests reach the table layer through it

 private:
  std::unique_ptr<Session> session_;
  void beginAtomic();
  void endAtomic(bool ok);
  void requireWritable(const std::string& what) const;
};

template <typename Body>
void Host::atomically(Body&& body) {
  beginAtomic();
  try {
    body();
  } catch (...) {
    endAtomic(false);
    throw;
  }
  endAtomic(true);
}

}  // namespace host
