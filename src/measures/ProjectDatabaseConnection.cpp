#include "measures/ProjectDatabaseConnection.h"

#include <utility>

#include "common/LibraryError.h"
#include "hostdata/AttributeAccess.h"
#include "platform/ConnectionString.h"
#include "platform/UserInterface.h"

namespace aggregate {

namespace {

// The tables and fields the run's queries read (the keys of the biotope-type rows, the species of
// the find sites), each by the object's id.
constexpr std::pair<const char*, const char*> kQueriedFields[] = {
    {"BtypHtyp", "PKey"}, {"Tierliste", "Tierart"}, {"Pflanzenliste", "Pflanzenart"}};

void reportNoConnection(const std::string& path, const std::string& reason) {
  // The reason follows on a line of its own: a missing file, a damaged one, a missing table.
  platform::ui().showMessage(platform::MessageKind::Error, std::string("Verbindung zur Projektdatenbank ") +
                                                               path + "  konnte nicht aufgebaut werden!" +
                                                               "\r\n" + reason);
}

}  // namespace

bool ProjectDatabaseConnection::open() {
  const std::string path = GetProjectDatabasePath();
  const std::string connectionString =
      "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + platform::connectionStringValue(path) +
      ";Persist Security Info=False";
  try {
    database_ = platform::connectProjectDatabase(connectionString, path);
  } catch (const std::exception& failure) {
    reportNoConnection(path, failure.what());
    return false;
  }
  // A query that fails would end the run after its measure was emptied: every table and field the
  // queries read is asked for before any measure is touched.
  try {
    for (const auto& [table, field] : kQueriedFields) {
      database_->openTable(table);
      database_->valuesOfObject(table, field, 0);
    }
  } catch (const std::exception& failure) {
    database_.reset();
    platform::ui().showMessage(platform::MessageKind::Error,
                               std::string("Die Projektdatenbank ") + path +
                                   " ist unvollständig; es wurde keine Maßnahme verändert.\r\n" +
                                   failure.what());
    return false;
  }
  try {
    for (const char* table : {"BTypHTyp", "PlanungRelArten", "Vegetationstyp", "Schichtung"})
      database_->openTable(table);
  } catch (const std::exception& failure) {
    reportNoConnection(path, failure.what());
  }
  return true;
}

std::vector<int32_t> ProjectDatabaseConnection::keysOfObject(const std::string& table, int32_t objectId) {
  return connected().keysOfObject(table, objectId);
}

std::vector<std::string> ProjectDatabaseConnection::valuesOfObject(const std::string& table,
                                                                   const std::string& field,
                                                                   int32_t objectId) {
  return connected().valuesOfObject(table, field, objectId);
}

platform::ProjectDatabase& ProjectDatabaseConnection::connected() {
  if (!database_) throw LibraryError("Keine Verbindung zur Projektdatenbank");
  return *database_;
}

}  // namespace aggregate
