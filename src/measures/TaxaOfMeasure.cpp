#include "measures/TaxaOfMeasure.h"

#include <vector>

#include "common/IntegerList.h"
#include "contract/TolvarApi.h"
#include "hostdata/AttributeAccess.h"
#include "hostdata/ObjectClasses.h"
#include "hostdata/SpatialQueries.h"
#include "hostdata/TableCursor.h"

namespace aggregate {

namespace {
constexpr const char* kTable = "PlanungRelArten";
const std::string kOZ = "OZ";
// Its meaning is the host's; every species value is written with it.
constexpr int16_t kSpeciesWriteMode = 2;
}  // namespace

void CollectTaxa(int32_t measureId, ProjectDatabaseConnection& database, MeasureProgressWindow& progress,
                 MeasureTaxonList& list) {
  IntegerList objectIds;
  IntegerList classes;
  classes.add(kClassFT);
  classes.add(kClassFP);
  QueryRelatedObjectsOfList(measureId, objectIds, classes, 0);
  for (int32_t i = 0; i < objectIds.size(); ++i) {
    ReadTaxaOfObject(objectIds[i], database, list);
    progress.processMessages();
  }
}

void ReadTaxaOfObject(int32_t objectId, ProjectDatabaseConnection& database, MeasureTaxonList& list) {
  const int32_t classCode = tlGetClassOf(objectId);
  if (classCode != kClassFT && classCode != kClassFP) return;
  const bool isPlant = classCode == kClassFP;
  for (std::string& name : database.valuesOfObject(isPlant ? "Pflanzenliste" : "Tierliste",
                                                   isPlant ? "Pflanzenart" : "Tierart", objectId)) {
    auto species = std::make_unique<MeasureTaxon>();
    species->name = std::move(name);
    species->isPlant = isPlant;
    list.push_back(std::move(species));
  }
}

void MarkDuplicateTaxa(MeasureTaxonList& list) {
  for (std::size_t i = 0; i + 1 < list.size(); ++i) {
    const MeasureTaxon& first = *list[i];
    if (first.isDuplicate) continue;
    for (std::size_t j = i + 1; j < list.size(); ++j) {
      MeasureTaxon& later = *list[j];
      if (later.name == first.name && later.isPlant == first.isPlant) later.isDuplicate = true;
    }
  }
}

void WriteTaxonList(const MeasureTaxonList& list) {
  if (!list.empty()) {
    EnsureOZRow("BtypHtyp", "Biotoptyp");
    EnsureOZRow("Vegetationstyp", "Vegetationstyp");
    EnsureOZRow("Schichtung", "Schicht");
  }
  for (const auto& species : list) WriteTaxon(*species);
}

void EnsureOZRow(const std::string& table, const std::string& field) {
  const bool found =
      tlGetRecordCountOf(table.c_str()) > 0 && FindRowWithValue(table.c_str(), field.c_str(), kOZ);
  if (!found) AppendRow(table.c_str(), {{field.c_str(), kOZ}});
}

void WriteTaxon(const MeasureTaxon& species) {
  if (species.isDuplicate) return;
  tlAppendRecord(kTable);
  SetStringValueEx(kTable, species.isPlant ? "PlanRel_P_Art" : "PlanRel_T_Art", species.name,
                   kSpeciesWriteMode);
  tlPostRecord(kTable);
}

}  // namespace aggregate
