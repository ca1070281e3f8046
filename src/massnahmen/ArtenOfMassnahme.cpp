#include "massnahmen/ArtenOfMassnahme.h"

#include <vector>

#include "common/IntegerList.h"
#include "contract/TolvarApi.h"
#include "hostdata/ObjectClasses.h"
#include "hostdata/Schema.h"
#include "hostdata/SpatialQueries.h"
#include "hostdata/TableCursor.h"
#include "massnahmen/Duplicates.h"
#include "massnahmen/QueryWarning.h"

namespace aggregate {

namespace {
constexpr const char* kOZ = "OZ";
// Its meaning is the host's; every species value is written with it.
constexpr int16_t kArtWriteMode = 2;
}  // namespace

void CollectArten(int32_t massnahmeId, platform::ProjectDatabase& database,
                  MassnahmenProgressWindow& progress, platform::UserInterface& ui, MassnahmeArten& list) {
  IntegerList objectIds;
  const QueryCount found = QueryRelatedObjects(massnahmeId, objectIds, {kClassFT, kClassFP}, 0);
  if (!found.complete) WarnQueryIncomplete(massnahmeId, ui);
  for (int32_t i = 0; i < objectIds.size(); ++i) {
    ReadArtenOfFundort(objectIds[i], database, list);
    progress.processMessages();
  }
}

void ReadArtenOfFundort(int32_t objectId, platform::ProjectDatabase& database, MassnahmeArten& list) {
  const int32_t classCode = tlGetClassOf(objectId);
  if (classCode != kClassFT && classCode != kClassFP) return;
  const bool isPflanze = classCode == kClassFP;
  const schema::DetailTable& source = isPflanze ? schema::kPflanzenliste : schema::kTierliste;
  for (std::string& name : database.valuesOfObject(source.name, source.identity, objectId)) {
    auto art = std::make_unique<MassnahmeArt>();
    art->name = std::move(name);
    art->isPflanze = isPflanze;
    list.push_back(std::move(art));
  }
}

void MarkDuplicateArten(MassnahmeArten& list) {
  // The same name, letter case counting, and the same kind: an animal and a plant may share a name.
  MarkDuplicates(
      list,
      [](const MassnahmeArt& first, const MassnahmeArt& later) {
        return later.name == first.name && later.isPflanze == first.isPflanze;
      },
      [](MassnahmeArt&, const MassnahmeArt&) {});
}

void WriteArten(const MassnahmeArten& list) {
  if (!list.empty()) {
    EnsureOZRow(schema::kBtypHtyp.name, schema::kBtypHtyp.biotoptyp);
    EnsureOZRow(schema::kVegetationstyp.name, schema::kVegetationstyp.identity);
    EnsureOZRow(schema::kSchichtung.name, schema::kSchichtung.identity);
  }
  const auto& table = schema::kPlanungRelArten;
  for (const auto& art : list) {
    if (art->isDuplicate) continue;
    AppendRow(table.name, {{art->isPflanze ? table.pflanzenart : table.tierart, art->name, kArtWriteMode}});
  }
}

void EnsureOZRow(const char* table, const char* field) {
  const bool found = tlGetRecordCountOf(table) > 0 && FindRowWithValue(table, field, kOZ);
  if (!found) AppendRow(table, {{field, kOZ}});
}

}  // namespace aggregate
