#include "measures/BiotopTypesOfMeasure.h"

#include "common/IntegerList.h"
#include "contract/TolvarApi.h"
#include "hostdata/AttributeAccess.h"
#include "hostdata/ObjectClasses.h"
#include "hostdata/SpatialQueries.h"
#include "hostdata/TextConventions.h"
#include "platform/RegionalSettings.h"

namespace aggregate {

namespace {
constexpr const char* kTable = "BtypHtyp";
// Shrinks the measure a little, so that BT objects merely touching its edge are not found.
constexpr double kQueryDistance = -0.1;
}  // namespace

void CollectBiotopTypes(int32_t measureId, TFrmAggregateMAS& form, TBiotopTypDataSets& list) {
  IntegerList objectIds;
  QueryRelatedObjects(measureId, objectIds, kClassBT, 0, kQueryDistance);
  for (int32_t i = 0; i < objectIds.size(); ++i) {
    CollectBiotopTypesOfObject(measureId, objectIds[i], form, list);
    form.processMessages();
  }
}

void CollectBiotopTypesOfObject(int32_t measureId, int32_t objectId, TFrmAggregateMAS& form,
                                TBiotopTypDataSets& list) {
  IntegerList keys;
  form.GetPKeysByObjID(kTable, objectId, keys);
  const bool singleRow = keys.size() == 1;
  for (int32_t i = 0; i < keys.size(); ++i)
    ReadBiotopTypDataSet(measureId, objectId, keys[i], list, singleRow);
}

void ReadBiotopTypDataSet(int32_t measureId, int32_t objectId, int32_t key, TBiotopTypDataSets& list,
                          bool singleRow) {
  auto dataSet = std::make_unique<TBiotopTypDataSet>();
  dataSet->Biotoptyp = GetValueByPKey(kTable, "Biotoptyp", key);
  dataSet->FFHLrt = GetValueByPKey(kTable, "Oekotyp", key);
  dataSet->P62Typ = GetValueByPKey(kTable, "P62_Typ", key);
  dataSet->Bemerkung = GetValueByPKey(kTable, "Bemerkung", key);
  dataSet->Flaeche = singleRow ? GetIntersectionArea(measureId, objectId, kClassGB) : -1;
  list.push_back(std::move(dataSet));
}

void MarkBiotopTypDoublettes(TBiotopTypDataSets& list) {
  for (std::size_t i = 0; i + 1 < list.size(); ++i) {
    TBiotopTypDataSet& first = *list[i];
    if (first.IsDoublette) continue;
    for (std::size_t j = i + 1; j < list.size(); ++j) {
      TBiotopTypDataSet& later = *list[j];
      if (first.Biotoptyp != later.Biotoptyp) continue;
      later.IsDoublette = true;
      if (later.Flaeche > 0 && first.Flaeche > 0) {
        first.Flaeche += later.Flaeche;
      } else if (later.Flaeche > 0) {
        first.Flaeche = later.Flaeche;
      }
    }
  }
}

void CalcFlaechenanteile(int32_t measureId, TBiotopTypDataSets& list) {
  const double measureArea = tlGetObjectArea(measureId);
  for (const auto& dataSet : list) {
    dataSet->Flaechenanteil =
        dataSet->Flaeche > 0 && measureArea > 0 ? dataSet->Flaeche / measureArea * 100 : 0;
  }
}

std::string StripBiotopTypPrefix(const std::string& code) {
  if (!code.empty() && (code[0] == 'x' || code[0] == 'y' || code[0] == 'z')) return code.substr(1);
  return code;
}

void WriteBiotopTypDataSets(const TBiotopTypDataSets& list) {
  const char separator = platform::decimalSeparator();
  for (const auto& dataSet : list) {
    if (dataSet->IsDoublette) continue;
    tlAppendRecord(kTable);
    SetStringValue(kTable, "Biotoptyp", StripBiotopTypPrefix(dataSet->Biotoptyp));
    SetStringValue(kTable, "Oekotyp", dataSet->FFHLrt);
    SetStringValue(kTable, "P62_Typ", dataSet->P62Typ);
    SetStringValue(kTable, "Bemerkung", dataSet->Bemerkung);
    if (dataSet->Flaeche > 0)
      SetStringValue(kTable, "FLAECHE", LocaleNumberText(dataSet->Flaeche, separator));
    if (dataSet->Flaechenanteil > 0)
      SetStringValue(kTable, "Flaechenanteil", LocaleNumberText(dataSet->Flaechenanteil, separator));
    tlPostRecord(kTable);
  }
}

}  // namespace aggregate
