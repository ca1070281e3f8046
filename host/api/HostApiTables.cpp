// tl* functions on the active object's attribute tables, values and project paths.
#include "HostApiBarrier.h"
#include "HostBuffer.h"
#include "ProjectDatabase.h"
#include "TolvarApi.h"
#include "Windows1252.h"

using host::ansiToUtf8;
using host::flag;
using host::serve;
using host::serveUnnamed;
using host::Session;
using host::utf8ToAnsi;

namespace {

host::TableCursors& cursors(Session& s) { return s.project().cursors; }

// Paths are not cut: a path that does not fit is no path.
int16_t copyPath(const std::string& path, char* buffer, int32_t n) {
  const std::string text = utf8ToAnsi(path);
  if (n < 0 || text.size() > static_cast<std::size_t>(n)) {
    host::copyToHostBuffer("", buffer, n);
    return 0;
  }
  return flag(host::copyToHostBuffer(text, buffer, n));
}

int16_t copyValue(const std::optional<std::string>& value, char* buffer, int32_t n) {
  if (!value) return flag(false);
  return flag(host::copyToHostBuffer(utf8ToAnsi(*value), buffer, n));
}

// A value written by the plug-in; with "notify own writes" the attached handler decides what is stored.
std::string valueToStore(Session& s, const char* table, const char* field, const char* value) {
  if (s.notifyOwnWrites && s.plugin() != nullptr) {
    if (auto handler = s.handlerFor(table, field)) return ansiToUtf8(s.callHandler(*handler, value));
  }
  return ansiToUtf8(value);
}

// A value the project database has no column for is lost; the host says so, as an application
// would. A write without a current row is the dataset's ordinary refusal and stays unsaid.
bool stored(Session& s, bool written, const char* table, const char* field) {
  if (written) return true;
  const host::AttributeTable* known = s.project().store.table(table);
  const std::string name = ansiToUtf8(table) + "." + ansiToUtf8(field);
  if (known == nullptr) {
    s.reportFailure("Die Tabelle " + ansiToUtf8(table) + " fehlt in der Projektdatenbank; der Wert für " +
                    name + " wurde nicht gespeichert.");
  } else if (!known->columnIndex(field)) {
    s.reportFailure("Die Spalte " + name +
                    " fehlt in der Projektdatenbank; ihre Werte wurden nicht gespeichert.");
  }
  return false;
}

int16_t setByName(const char* function, const char* table, const char* field, const char* value) {
  return serveUnnamed(function, [&](Session& s) {
    if (table == nullptr || field == nullptr || value == nullptr) return flag(false);
    return flag(
        stored(s, cursors(s).setValue(table, field, valueToStore(s, table, field, value)), table, field));
  });
}

}  // namespace

extern "C" {

int16_t TL_STDCALL tlGetProjectDir(char* buffer, int32_t n) {
  return serveUnnamed("tlGetProjectDir",
                      [&](Session& s) { return copyPath(s.project().dir.string() + "/", buffer, n); },
                      {buffer, n});
}

int16_t TL_STDCALL tlGetProjectDB(char* buffer, int32_t n) {
  return serveUnnamed("tlGetProjectDB",
                      [&](Session& s) {
                        const auto file =
                            s.reportedDatabase.value_or(s.project().dir / host::kDatabaseFileName);
                        return copyPath(file.string(), buffer, n);
                      },
                      {buffer, n});
}

int32_t TL_STDCALL tlGetRecordCountOf(const char* table) {
  return serve("tlGetRecordCountOf", 0,
               [&](Session& s) { return table != nullptr ? cursors(s).recordCount(table).value_or(0) : 0; });
}

int16_t TL_STDCALL tlTableFirst(const char* table) {
  return serveUnnamed("tlTableFirst", [&](Session& s) { return flag(table && cursors(s).first(table)); });
}

int16_t TL_STDCALL tlTableLast(const char* table) {
  return serveUnnamed("tlTableLast", [&](Session& s) { return flag(table && cursors(s).last(table)); });
}

int16_t TL_STDCALL tlTableNext(const char* table) {
  return serveUnnamed("tlTableNext", [&](Session& s) { return flag(table && cursors(s).next(table)); });
}

// End and start are reported for tables that cannot be read, so the plug-in's loops stop.
int16_t TL_STDCALL tlTableEOF(const char* table) {
  return serve<int16_t>("tlTableEOF", 1, [&](Session& s) { return flag(!table || cursors(s).eof(table)); });
}

int16_t TL_STDCALL tlTableBOF(const char* table) {
  return serve<int16_t>("tlTableBOF", 1, [&](Session& s) { return flag(!table || cursors(s).bof(table)); });
}

int16_t TL_STDCALL tlAppendRecord(const char* table) {
  return serveUnnamed("tlAppendRecord", [&](Session& s) { return flag(table && cursors(s).append(table)); });
}

int16_t TL_STDCALL tlPostRecord(const char* table) {
  return serveUnnamed("tlPostRecord", [&](Session& s) { return flag(table && cursors(s).post(table)); });
}

int16_t TL_STDCALL tlDeleteRecord(const char* table, int32_t key) {
  return serveUnnamed("tlDeleteRecord",
                      [&](Session& s) { return flag(table && key > 0 && cursors(s).remove(table, key)); });
}

int16_t TL_STDCALL tlGetValueByName(const char* table, const char* field, char* buffer, int32_t n) {
  return serve<int16_t>("tlGetValueByName", 0,
                        [&](Session& s) {
                          if (table == nullptr || field == nullptr) return flag(false);
                          return copyValue(cursors(s).value(table, field), buffer, n);
                        },
                        {buffer, n});
}

int16_t TL_STDCALL tlSetValueByName(const char* table, const char* field, const char* value) {
  return setByName("tlSetValueByName", table, field, value);
}

// Mode 2, the only one the plug-in passes, and every other mode write like tlSetValueByName.
int16_t TL_STDCALL tlSetValueByNameEx(const char* table, const char* field, const char* value,
                                      int16_t /*mode*/) {
  return setByName("tlSetValueByNameEx", table, field, value);
}

int16_t TL_STDCALL tlGetValueByPKEY(int32_t key, const char* table, const char* field, char* buffer,
                                    int32_t n) {
  return serve<int16_t>("tlGetValueByPKEY", 0,
                        [&](Session& s) {
                          if (table == nullptr || field == nullptr) return flag(false);
                          return copyValue(cursors(s).valueByKey(key, table, field), buffer, n);
                        },
                        {buffer, n});
}

int16_t TL_STDCALL tlSetValueByPKEY(int32_t key, const char* table, const char* field, const char* value) {
  return serveUnnamed("tlSetValueByPKEY", [&](Session& s) {
    if (table == nullptr || field == nullptr || value == nullptr) return flag(false);
    return flag(stored(s, cursors(s).setValueByKey(key, table, field, valueToStore(s, table, field, value)),
                       table, field));
  });
}

}  // extern "C"
