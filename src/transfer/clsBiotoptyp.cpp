#include "transfer/clsBiotoptyp.h"

#include <exception>

#include "boundary/TolvarApi.h"
#include "hostdata/AttributeAccess.h"
#include "hostdata/TableCursor.h"
#include "hostdata/TextConventions.h"
#include "platform/RegionalSettings.h"
#include "platform/UserInterface.h"

namespace aggregate {

namespace {
constexpr const char* kTable = "BtypHtyp";
constexpr int32_t kTransitionGBToBK = 2;
constexpr int32_t kTransitionBTToFSN = 4;
}  // namespace

TBiotopTypData::TBiotopTypData(int32_t pTransitionType, int32_t pSourceObjectID)
    : FKennungSubObjekt(GetObjectKennung(pSourceObjectID)),
      FTransitionType(pTransitionType),
      FSourceObjectID(pSourceObjectID) {}

void TBiotopTypData::ReadData(int32_t pObjId) {
  FBiotoptyp = GetStringValue(kTable, "Biotoptyp");
  FFFHLRT = GetStringValue(kTable, "Oekotyp");
  FP62Typ = GetStringValue(kTable, "P62_Typ");
  FPkey = GetIntValue(kTable, "PKEY");
  if (FTransitionType == kTransitionGBToBK || FTransitionType == kTransitionTarget) {
    FFlaeche = GetStringValue(kTable, "FLAECHE");
  } else {
    FFlaeche = LocaleNumberText(tlGetObjectArea(pObjId), platform::decimalSeparator());
  }
  ReadChildRows("Zusatzcodes", FZusatzcodes);
  if (FTransitionType != kTransitionBTToFSN) ReadChildRows("Vegetationstyp", FVegetationstypen);
}

bool TBiotopTypData::Fits(const TBiotopTypData& pExternalBiotoptyp) const {
  return FBiotoptyp == pExternalBiotoptyp.FBiotoptyp && FFFHLRT == pExternalBiotoptyp.FFFHLRT &&
         FP62Typ == pExternalBiotoptyp.FP62Typ;
}

void TBiotopTypData::Merge(TBiotopTypData& pExternalBiotoptyp) {
  SummarizeFFlaeche(pExternalBiotoptyp.FFlaeche);
  MergeChildList(FZusatzcodes, pExternalBiotoptyp.FZusatzcodes, &TZusatzCodeData::Zusatzcode);
  MergeChildList(FVegetationstypen, pExternalBiotoptyp.FVegetationstypen,
                 SameIdentity(&TVegetationstypData::Vegetationstyp), &TVegetationstypData::Merge);
}

void TBiotopTypData::SummarizeFFlaeche(const std::string& pExternalFFlaeche) {
  if (FFlaeche.empty()) {
    FFlaeche = pExternalFFlaeche;  // taken over as it is, not reformatted
    FUpdateNecessary = true;
  } else if (!pExternalFFlaeche.empty()) {
    const double own = ParseFloatTolerant(FFlaeche);
    const double other = ParseFloatTolerant(pExternalFFlaeche);
    FFlaeche = LocaleNumberText(own + other, platform::decimalSeparator());
    FUpdateNecessary = true;
  }
}

void TBiotopTypData::WriteData() const {
  if (FindRow(kTable, [this] { return IsRowOfThisRecord(); })) {
    SetStringValue(kTable, "FLAECHE", FFlaeche);
  } else {
    AppendData();
  }
  for (const auto& zusatzcode : FZusatzcodes) zusatzcode->WriteData();
  for (const auto& vegetationstyp : FVegetationstypen) vegetationstyp->WriteData();
}

bool TBiotopTypData::IsRowOfThisRecord() const {
  // A record of the target goes back into the row it was read from, so that a target holding
  // two rows with equal codes keeps each row's own area and sub-rows.
  if (FTransitionType == kTransitionTarget && FPkey != -1) return GetIntValue(kTable, "PKEY") == FPkey;
  return GetStringValue(kTable, "Biotoptyp") == FBiotoptyp && GetStringValue(kTable, "Oekotyp") == FFFHLRT &&
         GetStringValue(kTable, "P62_Typ") == FP62Typ;
}

void TBiotopTypData::AppendData() const {
  try {
    AppendRow(kTable, {{"Biotoptyp", FBiotoptyp},
                       {"Oekotyp", FFFHLRT},
                       {"P62_Typ", FP62Typ},
                       {"FLAECHE", FFlaeche},
                       {"Biotoptyp", FBiotoptyp}});
  } catch (const std::exception& failure) {
    platform::ui().showMessage(platform::MessageKind::Plain, failure.what());
  }
}

}  // namespace aggregate
