#pragma once
#include <cstdint>
#include <string>

#include "transfer/ChildList.h"
#include "transfer/clsSchichtung.h"

namespace aggregate {

// One vegetation type of a biotope-type record with its layers: a row of Vegetationstyp.
class TVegetationstypData {
 public:
  // Reads the current Vegetationstyp row and its layers.
  void ReadData();
  // Finds or appends the vegetation type below the target's current BtypHtyp row, then writes
  // its layers below it.
  void WriteData() const;
  // Takes over the layers of an equal vegetation type that this one lacks and merges the
  // layers both hold.
  void Merge(TVegetationstypData& pExternalVegetationstyp);

  const std::string& Vegetationstyp() const { return FVegetationstyp; }

 private:
  void AppendData() const;

  std::string FVegetationstyp;
  TOwnedList<TSchichtungData> FSchichtungen;
  int32_t FPkey = -1;
};

}  // namespace aggregate
