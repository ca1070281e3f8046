#include "massnahmen/ProjectDatabaseConnection.h"

#include <string>
#include <utility>

#include "common/LibraryError.h"
#include "hostdata/ProjectPaths.h"
#include "hostdata/Schema.h"

namespace aggregate {

namespace {

// The tables and fields the run's queries read (the keys of the biotope-type rows, the species of
// the find sites), each by the object's id.
constexpr std::pair<const char*, const char*> kQueriedFields[] = {
    {schema::kBtypHtyp.name, schema::kKeyColumn},
    {schema::kTierliste.name, schema::kTierliste.identity},
    {schema::kPflanzenliste.name, schema::kPflanzenliste.identity}};

// Opened with the connection; the run reads nothing through them.
constexpr const char* kOpenedTables[] = {"BTypHTyp", schema::kPlanungRelArten.name,
                                         schema::kVegetationstyp.name, schema::kSchichtung.name};

}  // namespace

std::unique_ptr<platform::ProjectDatabase> ConnectProjectDatabase(platform::UserInterface& ui) {
  const std::string path = GetProjectDatabasePath();
  enum class Step { Connecting, CheckingQueries, OpeningTables } step = Step::Connecting;
  std::unique_ptr<platform::ProjectDatabase> database;
  try {
    database = platform::connectProjectDatabase(path);
    // A query that fails would end the run after its Massnahme was emptied: every table and field
    // the queries read is asked for before any Massnahme is touched.
    step = Step::CheckingQueries;
    for (const auto& [table, field] : kQueriedFields) {
      database->openTable(table);
      database->valuesOfObject(table, field, 0);
    }
    step = Step::OpeningTables;
    for (const char* table : kOpenedTables) database->openTable(table);
  } catch (const LibraryError& failure) {
    // The reason follows on a line of its own: a missing file, a damaged one, a missing table.
    if (step == Step::CheckingQueries) {
      ui.showMessage(platform::MessageKind::Error,
                     "Die Projektdatenbank " + path +
                         " ist unvollständig; es wurde keine Maßnahme verändert.\r\n" + failure.what());
      return nullptr;
    }
    ui.showMessage(platform::MessageKind::Error, "Verbindung zur Projektdatenbank " + path +
                                                     "  konnte nicht aufgebaut werden!\r\n" + failure.what());
    if (step == Step::Connecting) return nullptr;
  }
  return database;
}

}  // namespace aggregate
