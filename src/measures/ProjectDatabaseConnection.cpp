#include "measures/ProjectDatabaseConnection.h"

#include "common/LibraryError.h"
#include "hostdata/AttributeAccess.h"
#include "platform/ConnectionString.h"
#include "platform/UserInterface.h"

namespace aggregate {

bool ProjectDatabaseConnection::open() {
  bool connected = false;
  const std::string path = GetProjectDatabasePath();
  const std::string connectionString =
      "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + platform::connectionStringValue(path) +
      ";Persist Security Info=False";
  try {
    database_ = platform::connectProjectDatabase(connectionString, path);
    connected = true;
    for (const char* table : {"BTypHTyp", "PlanungRelArten", "Vegetationstyp", "Schichtung"})
      database_->openTable(table);
  } catch (const std::exception& failure) {
    // The reason follows on a line of its own: a missing file, a damaged one, a missing table.
    platform::ui().showMessage(
        platform::MessageKind::Error,
        "Verbindung zur Projektdatenbank " + path + "  konnte nicht aufgebaut werden!\r\n" + failure.what());
  }
  return connected;
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
