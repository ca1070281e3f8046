#include "measures/BiotopeTypesOfMeasure.h"

#include <cmath>

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

void CollectBiotopeTypes(int32_t measureId, ProjectDatabaseConnection& database,
                         MeasureProgressWindow& progress, MeasureBiotopeTypes& list) {
  IntegerList objectIds;
  QueryRelatedObjects(measureId, objectIds, kClassBT, 0, kQueryDistance);
  for (int32_t i = 0; i < objectIds.size(); ++i) {
    CollectBiotopeTypesOfObject(measureId, objectIds[i], database, list);
    progress.processMessages();
  }
}

void CollectBiotopeTypesOfObject(int32_t measureId, int32_t objectId, ProjectDatabaseConnection& database,
                                 MeasureBiotopeTypes& list) {
  const std::vector<int32_t> keys = database.keysOfObject(kTable, objectId);
  const bool singleRow = keys.size() == 1;
  for (const int32_t key : keys) ReadBiotopeType(measureId, objectId, key, list, singleRow);
}

void ReadBiotopeType(int32_t measureId, int32_t objectId, int32_t key, MeasureBiotopeTypes& list,
                     bool singleRow) {
  auto biotopeType = std::make_unique<MeasureBiotopeType>();
  biotopeType->code = GetValueByPKey(kTable, "Biotoptyp", key);
  biotopeType->habitatType = GetValueByPKey(kTable, "Oekotyp", key);
  biotopeType->p62Type = GetValueByPKey(kTable, "P62_Typ", key);
  biotopeType->remark = GetValueByPKey(kTable, "Bemerkung", key);
  biotopeType->area = singleRow ? GetIntersectionArea(measureId, objectId, kClassGB) : -1;
  list.push_back(std::move(biotopeType));
}

void MarkDuplicateBiotopeTypes(MeasureBiotopeTypes& list) {
  for (std::size_t i = 0; i + 1 < list.size(); ++i) {
    MeasureBiotopeType& first = *list[i];
    if (first.isDuplicate) continue;
    for (std::size_t j = i + 1; j < list.size(); ++j) {
      MeasureBiotopeType& later = *list[j];
      if (first.code != later.code) continue;
      later.isDuplicate = true;
      if (later.area > 0 && first.area > 0) {
        first.area += later.area;
      } else if (later.area > 0) {
        first.area = later.area;
      }
    }
  }
}

void CalculateShares(int32_t measureId, MeasureBiotopeTypes& list) {
  const double measureArea = tlGetObjectArea(measureId);
  for (const auto& biotopeType : list) {
    const double share = biotopeType->area > 0 && measureArea > 0 ? biotopeType->area / measureArea * 100 : 0;
    // A measure whose area is no finite number gives no share.
    biotopeType->share = std::isfinite(share) ? share : 0;
  }
}

std::string StripBiotopeTypePrefix(const std::string& code) {
  if (!code.empty() && (code[0] == 'x' || code[0] == 'y' || code[0] == 'z')) return code.substr(1);
  return code;
}

void WriteBiotopeTypes(const MeasureBiotopeTypes& list) {
  const char separator = platform::decimalSeparator();
  for (const auto& biotopeType : list) {
    if (biotopeType->isDuplicate) continue;
    tlAppendRecord(kTable);
    SetStringValue(kTable, "Biotoptyp", StripBiotopeTypePrefix(biotopeType->code));
    SetStringValue(kTable, "Oekotyp", biotopeType->habitatType);
    SetStringValue(kTable, "P62_Typ", biotopeType->p62Type);
    SetStringValue(kTable, "Bemerkung", biotopeType->remark);
    // Areas summed past the largest number are as untold as one the host could not make.
    if (biotopeType->area > 0 && std::isfinite(biotopeType->area))
      SetStringValue(kTable, "FLAECHE", LocaleNumberText(biotopeType->area, separator));
    if (biotopeType->share > 0 && std::isfinite(biotopeType->share))
      SetStringValue(kTable, "Flaechenanteil", LocaleNumberText(biotopeType->share, separator));
    tlPostRecord(kTable);
  }
}

}  // namespace aggregate
