#pragma once
// The species (Arten) of the find sites (Fundorte: FT and FP objects) lying on a Massnahme, each
// name and kind written once into the Massnahme's PlanungRelArten, beneath a chain of "OZ" rows.
#include <cstdint>
#include <string>

#include "massnahmen/MassnahmeArt.h"
#include "massnahmen/MassnahmenProgressWindow.h"
#include "platform/ProjectDatabase.h"
#include "platform/UserInterface.h"

namespace aggregate {

void CollectArten(int32_t massnahmeId, platform::ProjectDatabase& database,
                  MassnahmenProgressWindow& progress, platform::UserInterface& ui, MassnahmeArten& list);
// Objects of classes other than FT and FP add nothing.
void ReadArtenOfFundort(int32_t objectId, platform::ProjectDatabase& database, MassnahmeArten& list);
void MarkDuplicateArten(MassnahmeArten& list);
void WriteArten(const MassnahmeArten& list);
// Makes the first row whose field holds "OZ" the table's current row, appending one if none does.
void EnsureOZRow(const char* table, const char* field);

}  // namespace aggregate
