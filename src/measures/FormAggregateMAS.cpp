#include "measures/FormAggregateMAS.h"

#include <optional>

#include "common/LibraryError.h"
#include "contract/TolvarApi.h"
#include "hostdata/AttributeAccess.h"
#include "hostdata/TableCursor.h"
#include "hostdata/TextConventions.h"
#include "platform/TextEncoding.h"

namespace aggregate {

namespace {

platform::ProgressWindowLayout windowLayout() {
  platform::ProgressWindowLayout layout;
  layout.caption = Ansi("Aggregation von Maßnahme-Objekten");
  layout.clientWidth = 257;
  layout.clientHeight = 77;
  layout.fontName = "Tahoma";
  layout.fontPoints = 8;
  layout.label = {8, 11, 241, 13};
  layout.cancelButton = platform::WindowRect{8, 39, 75, 25};
  layout.cancelCaption = "Abbrechen";
  return layout;
}

std::string whereObject(int32_t objectId) { return "\r\nwhere TOLVARID = " + std::to_string(objectId); }

}  // namespace

TFrmAggregateMAS::TFrmAggregateMAS() : FWindow(platform::ui().createProgressWindow(windowLayout())) {
  FWindow->onCancel([this] { btnCancelClick(); });
}

TFrmAggregateMAS::~TFrmAggregateMAS() {
  CloseProjektDB();
  FWindow->close();
}

void TFrmAggregateMAS::show() { FWindow->show(); }

void TFrmAggregateMAS::processMessages() { FWindow->processMessages(); }

bool TFrmAggregateMAS::OpenProjektDB() {
  bool result = false;
  const std::string path = GetProjectDatabasePath();
  const std::string connectionString =
      "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path + ";Persist Security Info=False";
  try {
    ADOConnectionProjekt = platform::connectProjectDatabase(connectionString, path);
    result = true;
    for (const char* table : {"BTypHTyp", "PlanungRelArten", "Vegetationstyp", "Schichtung"})
      ADOConnectionProjekt->openTable(table);
  } catch (...) {  // whatever the platform raised, the user is told the same
    platform::ui().showMessage(platform::MessageKind::Error, Ansi("Verbindung zur Projektdatenbank ") + path +
                                                                 Ansi("  konnte nicht aufgebaut werden!"));
  }
  return result;
}

void TFrmAggregateMAS::CloseProjektDB() { ADOConnectionProjekt.reset(); }

std::vector<std::string> TFrmAggregateMAS::select(const std::string& statement) {
  if (!ADOConnectionProjekt) throw LibraryError(Ansi("Keine Verbindung zur Projektdatenbank"));
  return ADOConnectionProjekt->selectFirstColumn(statement);
}

void TFrmAggregateMAS::GetPKeysByObjID(const std::string& pTableName, int32_t pObjID,
                                       IntegerList& pResultList) {
  for (const std::string& value : select("select PKey from " + pTableName + whereObject(pObjID))) {
    const std::optional<int32_t> key = ParseIntegerText(value);
    if (!key) throw LibraryError("'" + value + Ansi("' ist kein gültiger Schlüssel"));
    pResultList.add(*key);
  }
}

void TFrmAggregateMAS::GetAttributeValues4Object(const std::string& pTableName, const std::string& pAttName,
                                                 int32_t pObjectID, std::vector<std::string>& pResultlist) {
  for (std::string& value : select("select " + pAttName + " from " + pTableName + whereObject(pObjectID)))
    pResultlist.push_back(std::move(value));
}

void TFrmAggregateMAS::SetKennungsLabel(int32_t pTolvarID, int32_t pObjectCounter,
                                        const std::string& pGesamtobjekte) {
  FLabelText =
      GetObjectKennung(pTolvarID) + " (" + std::to_string(pObjectCounter) + " von " + pGesamtobjekte + ")";
  FWindow->setStatus(FLabelText);
}

void TFrmAggregateMAS::DeleteTargetData(int32_t) {
  // Detail rows go before the rows they belong to.
  for (const char* table : {"PlanungRelArten", "Tierliste", "Pflanzenliste", "Schichtung", "Vegetationstyp",
                            "Zusatzcodes", "BtypHtyp"})
    DeleteTableRows(table);
}

void TFrmAggregateMAS::DeleteTableRows(const std::string& table) {
  tlTableFirst(table.c_str());
  while (tlTableEOF(table.c_str()) == 0) {
    // A row that stays would keep the loop going forever, and the measure would keep stale rows
    // beneath the new ones.
    if (!DeleteCurrentRow(table.c_str()))
      throw LibraryError(Ansi("Eine Zeile der Tabelle ") + table + Ansi(" lässt sich nicht löschen."));
  }
}

}  // namespace aggregate
