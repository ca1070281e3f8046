#pragma once
#include <cstdint>
#include <string>

#include "transfer/ChildList.h"
#include "transfer/clsVegetationstyp.h"
#include "transfer/clsZusatzcode.h"

namespace aggregate {

// Transition type of the records read from the transfer's target itself.
inline constexpr int32_t kTransitionTarget = 9;

// One biotope-type row of a host object (BtypHtyp) with its additional codes and vegetation
// types; the record owns everything below it.
class TBiotopTypData {
 public:
  TBiotopTypData(int32_t pTransitionType, int32_t pSourceObjectID);

  // Reads the current BtypHtyp row of the active object, which must be pObjId, and the rows
  // below it. Transition types 2 and 9 take the row's own FLAECHE; every other one takes the
  // area of the whole object; type 4 reads no vegetation types.
  void ReadData(int32_t pObjId);
  // Same Biotoptyp, Oekotyp and P62_Typ.
  bool Fits(const TBiotopTypData& pExternalBiotoptyp) const;
  // Adds the other record's area and takes over the additional codes and vegetation types it
  // lacks; what it already holds stays with the other record. Throws LibraryError, before
  // anything has changed, when an area is no number.
  void Merge(TBiotopTypData& pExternalBiotoptyp);
  void SummarizeFFlaeche(const std::string& pExternalFFlaeche);
  // Updates FLAECHE of the matching row of the active object (the target) or appends a row,
  // then writes the additional codes and vegetation types below it.
  void WriteData() const;

  const std::string& Biotoptyp() const { return FBiotoptyp; }
  const std::string& Flaeche() const { return FFlaeche; }
  const std::string& KennungSubObjekt() const { return FKennungSubObjekt; }
  int32_t SourceObjectID() const { return FSourceObjectID; }
  bool IsDuplicate() const { return FIsDuplicate; }
  // True once SummarizeFFlaeche has assigned the area.
  bool UpdateNecessary() const { return FUpdateNecessary; }

 private:
  bool IsRowOfThisRecord() const;
  void AppendData() const;

  std::string FBiotoptyp;
  std::string FFFHLRT;
  std::string FP62Typ;
  std::string FFlaeche;
  std::string FKennungSubObjekt;
  int32_t FTransitionType;
  int32_t FSourceObjectID;
  TOwnedList<TZusatzCodeData> FZusatzcodes;
  TOwnedList<TVegetationstypData> FVegetationstypen;
  int32_t FPkey = -1;
  bool FIsDuplicate = false;
  bool FUpdateNecessary = false;
};

using TBiotopTypList = TOwnedList<TBiotopTypData>;

}  // namespace aggregate
