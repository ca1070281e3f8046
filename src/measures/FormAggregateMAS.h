#pragma once
// The measure aggregation's progress window with its Cancel button, and the run's connection to
// the project database. Texts are Windows-1252.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/IntegerList.h"
#include "platform/ProjectDatabase.h"
#include "platform/UserInterface.h"

namespace aggregate {

class TFrmAggregateMAS {
 public:
  TFrmAggregateMAS();
  ~TFrmAggregateMAS();
  TFrmAggregateMAS(const TFrmAggregateMAS&) = delete;
  TFrmAggregateMAS& operator=(const TFrmAggregateMAS&) = delete;

  void show();
  // Dispatches pending input, so that a Cancel pressed meanwhile sets blnCancelPressed.
  void processMessages();
  bool blnCancelPressed() const { return FCancelPressed; }

  // Connects to the database the host names and opens the tables the run needs. Shows an error
  // and returns false when no connection could be made; true once connected, even when a table
  // is missing (that is reported too).
  bool OpenProjektDB();
  void CloseProjektDB();
  // Keys of the object's rows of the table, in the database's order. Throws when not connected.
  void GetPKeysByObjID(const std::string& pTableName, int32_t pObjID, IntegerList& pResultList);
  // The field of each of the object's rows; a NULL value gives an empty text.
  void GetAttributeValues4Object(const std::string& pTableName, const std::string& pAttName,
                                 int32_t pObjectID, std::vector<std::string>& pResultlist);

  // Shows "<Kennung> (<counter> von <total>)".
  void SetKennungsLabel(int32_t pTolvarID, int32_t pObjectCounter, const std::string& pGesamtobjekte);
  const std::string& LabelAktuellesObjekt() const { return FLabelText; }

  // Empties the seven aggregated tables of the active object (pTolvarID names it, unused).
  void DeleteTargetData(int32_t pTolvarID);

 private:
  void DeleteTableRows(const std::string& table);
  void btnCancelClick() { FCancelPressed = true; }
  std::vector<std::string> select(const std::string& statement);

  std::unique_ptr<platform::ProgressWindow> FWindow;
  std::unique_ptr<platform::ProjectDatabase> ADOConnectionProjekt;
  std::string FLabelText;
  bool FCancelPressed = false;
};

}  // namespace aggregate
