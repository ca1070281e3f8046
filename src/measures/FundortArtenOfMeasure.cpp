#include "measures/FundortArtenOfMeasure.h"

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

void CollectFundortArten(int32_t measureId, TFrmAggregateMAS& form, TFundortDataSets& list) {
  IntegerList objectIds;
  IntegerList classes;
  classes.add(kClassFT);
  classes.add(kClassFP);
  QueryRelatedObjectsOfList(measureId, objectIds, classes, 0);
  for (int32_t i = 0; i < objectIds.size(); ++i) {
    ReadFundortArten(objectIds[i], form, list);
    form.processMessages();
  }
}

void ReadFundortArten(int32_t objectId, TFrmAggregateMAS& form, TFundortDataSets& list) {
  const int32_t classCode = tlGetClassOf(objectId);
  if (classCode != kClassFT && classCode != kClassFP) return;
  const bool isPflanze = classCode == kClassFP;
  std::vector<std::string> names;
  form.GetAttributeValues4Object(isPflanze ? "Pflanzenliste" : "Tierliste",
                                 isPflanze ? "Pflanzenart" : "Tierart", objectId, names);
  for (std::string& name : names) {
    auto dataSet = std::make_unique<TFundortDataSet>();
    dataSet->ArtName = std::move(name);
    dataSet->IsPflanze = isPflanze;
    list.push_back(std::move(dataSet));
  }
}

void MarkFundortDoubletten(TFundortDataSets& list) {
  for (std::size_t i = 0; i + 1 < list.size(); ++i) {
    const TFundortDataSet& first = *list[i];
    if (first.IsDoublette) continue;
    for (std::size_t j = i + 1; j < list.size(); ++j) {
      TFundortDataSet& later = *list[j];
      if (later.ArtName == first.ArtName && later.IsPflanze == first.IsPflanze) later.IsDoublette = true;
    }
  }
}

void WriteFundortDataSets(const TFundortDataSets& list) {
  if (!list.empty()) {
    EnsureOZRow("BtypHtyp", "Biotoptyp");
    EnsureOZRow("Vegetationstyp", "Vegetationstyp");
    EnsureOZRow("Schichtung", "Schicht");
  }
  for (const auto& dataSet : list) WriteFundortDataSet(*dataSet);
}

void EnsureOZRow(const std::string& table, const std::string& field) {
  const bool found =
      tlGetRecordCountOf(table.c_str()) > 0 && FindRowWithValue(table.c_str(), field.c_str(), kOZ);
  if (!found) AppendRow(table.c_str(), {{field.c_str(), kOZ}});
}

void WriteFundortDataSet(const TFundortDataSet& dataSet) {
  if (dataSet.IsDoublette) return;
  tlAppendRecord(kTable);
  SetStringValueEx(kTable, dataSet.IsPflanze ? "PlanRel_P_Art" : "PlanRel_T_Art", dataSet.ArtName,
                   kSpeciesWriteMode);
  tlPostRecord(kTable);
}

}  // namespace aggregate
