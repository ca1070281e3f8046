#include "massnahmen/BiotoptypenOfMassnahme.h"

#include <cmath>
#include <vector>

#include "common/IntegerList.h"
#include "contract/TolvarApi.h"
#include "hostdata/AttributeValues.h"
#include "hostdata/ObjectClasses.h"
#include "hostdata/SpatialQueries.h"
#include "hostdata/TableCursor.h"
#include "hostdata/TextConventions.h"
#include "massnahmen/Duplicates.h"
#include "massnahmen/QueryWarning.h"
#include "platform/RegionalSettings.h"

namespace aggregate {

namespace {
constexpr const auto& kTable = schema::kBtypHtyp;
// Shrinks the Massnahme a little, so that BT objects merely touching its edge are not found.
constexpr double kQueryDistance = -0.1;
// The temporary object that measures a shared area is made in the GB class, as the host has
// always been asked; it is deleted again at once.
constexpr int32_t kTempObjectClass = kClassGB;
}  // namespace

void CollectBiotoptypen(int32_t massnahmeId, platform::ProjectDatabase& database,
                        MassnahmenProgressWindow& progress, platform::UserInterface& ui,
                        MassnahmeBiotoptypen& list) {
  IntegerList objectIds;
  const QueryCount found = QueryRelatedObjects(massnahmeId, objectIds, {kClassBT}, kQueryDistance);
  if (!found.complete) WarnQueryIncomplete(massnahmeId, ui);
  for (int32_t i = 0; i < objectIds.size(); ++i) {
    CollectBiotoptypenOfObject(massnahmeId, objectIds[i], database, list);
    progress.processMessages();
  }
}

void CollectBiotoptypenOfObject(int32_t massnahmeId, int32_t objectId, platform::ProjectDatabase& database,
                                MassnahmeBiotoptypen& list) {
  const std::vector<int32_t> keys = database.keysOfObject(kTable.name, objectId);
  const bool singleRow = keys.size() == 1;
  for (const int32_t key : keys) ReadBiotoptyp(massnahmeId, objectId, key, list, singleRow);
}

void ReadBiotoptyp(int32_t massnahmeId, int32_t objectId, int32_t key, MassnahmeBiotoptypen& list,
                   bool singleRow) {
  auto biotoptyp = std::make_unique<MassnahmeBiotoptyp>();
  biotoptyp->codes = ReadCodesByKey(key);
  biotoptyp->bemerkung = GetValueByPKey(kTable.name, kTable.bemerkung, key);
  biotoptyp->flaeche = singleRow ? GetIntersectionArea(massnahmeId, objectId, kTempObjectClass) : -1;
  list.push_back(std::move(biotoptyp));
}

void MarkDuplicateBiotoptypen(MassnahmeBiotoptypen& list) {
  // The same Biotoptyp, as read (before any prefix is dropped); the first keeps its other values.
  MarkDuplicates(
      list,
      [](const MassnahmeBiotoptyp& first, const MassnahmeBiotoptyp& later) {
        return first.codes.biotoptyp == later.codes.biotoptyp;
      },
      [](MassnahmeBiotoptyp& first, const MassnahmeBiotoptyp& later) {
        if (later.flaeche > 0 && first.flaeche > 0) {
          first.flaeche += later.flaeche;
        } else if (later.flaeche > 0) {
          first.flaeche = later.flaeche;
        }
      });
}

void CalculateShares(int32_t massnahmeId, MassnahmeBiotoptypen& list) {
  const double massnahmeArea = tlGetObjectArea(massnahmeId);
  for (const auto& biotoptyp : list) {
    const double share =
        biotoptyp->flaeche > 0 && massnahmeArea > 0 ? biotoptyp->flaeche / massnahmeArea * 100 : 0;
    // A Massnahme whose area is no finite number gives no share.
    biotoptyp->flaechenanteil = std::isfinite(share) ? share : 0;
  }
}

std::string StripBiotoptypPrefix(const std::string& biotoptyp) {
  if (!biotoptyp.empty() && (biotoptyp[0] == 'x' || biotoptyp[0] == 'y' || biotoptyp[0] == 'z'))
    return biotoptyp.substr(1);
  return biotoptyp;
}

void WriteBiotoptypen(const MassnahmeBiotoptypen& list) {
  const char separator = platform::decimalSeparator();
  for (const auto& biotoptyp : list) {
    if (biotoptyp->isDuplicate) continue;
    std::vector<FieldValue> values = {{kTable.biotoptyp, StripBiotoptypPrefix(biotoptyp->codes.biotoptyp)},
                                      {kTable.oekotyp, biotoptyp->codes.oekotyp},
                                      {kTable.p62Typ, biotoptyp->codes.p62Typ},
                                      {kTable.bemerkung, biotoptyp->bemerkung}};
    // An area that cannot be told, or that summed past the largest number, is not written.
    if (biotoptyp->flaeche > 0 && std::isfinite(biotoptyp->flaeche))
      values.push_back({kTable.flaeche, LocaleNumberText(biotoptyp->flaeche, separator)});
    if (biotoptyp->flaechenanteil > 0 && std::isfinite(biotoptyp->flaechenanteil))
      values.push_back({kTable.flaechenanteil, LocaleNumberText(biotoptyp->flaechenanteil, separator)});
    AppendRow(kTable.name, values);
  }
}

}  // namespace aggregate
