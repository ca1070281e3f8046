#pragma once
// The Biotoptypen of the BT objects lying on a Massnahme: collected by key through the project
// database, merged by Biotoptyp, shares of the Massnahme's area computed, written as BtypHtyp
// rows of the Massnahme (the active object).
#include <cstdint>
#include <string>

#include "massnahmen/MassnahmeBiotoptyp.h"
#include "massnahmen/MassnahmenProgressWindow.h"
#include "platform/ProjectDatabase.h"
#include "platform/UserInterface.h"

namespace aggregate {

void CollectBiotoptypen(int32_t massnahmeId, platform::ProjectDatabase& database,
                        MassnahmenProgressWindow& progress, platform::UserInterface& ui,
                        MassnahmeBiotoptypen& list);
void CollectBiotoptypenOfObject(int32_t massnahmeId, int32_t objectId, platform::ProjectDatabase& database,
                                MassnahmeBiotoptypen& list);
// The shared area is only told for a BT object with a single row: with several rows, no row's
// part of it is known.
void ReadBiotoptyp(int32_t massnahmeId, int32_t objectId, int32_t key, MassnahmeBiotoptypen& list,
                   bool singleRow);
// Marks every later row of a Biotoptyp and gathers the positive areas on the first one.
void MarkDuplicateBiotoptypen(MassnahmeBiotoptypen& list);
void CalculateShares(int32_t massnahmeId, MassnahmeBiotoptypen& list);
// Drops a leading lower-case x, y or z.
std::string StripBiotoptypPrefix(const std::string& biotoptyp);
void WriteBiotoptypen(const MassnahmeBiotoptypen& list);

}  // namespace aggregate
