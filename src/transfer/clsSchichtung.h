#pragma once
#include <cstdint>
#include <string>

#include "transfer/ChildList.h"
#include "transfer/clsPflanze.h"
#include "transfer/clsTier.h"

namespace aggregate {

// One layer of a vegetation type with its plants and animals: a row of Schichtung.
class TSchichtungData {
 public:
  // Reads the current Schichtung row, its plants and its animals; animals without a species
  // are dropped here and never travel.
  void ReadData();
  // Finds or appends the layer below the target's current Vegetationstyp row, then writes its
  // animals and then its plants below it.
  void WriteData() const;
  // Takes over the animals and plants of an equal layer that this one lacks; a plant both hold
  // keeps its abundance class only where they agree.
  void Merge(TSchichtungData& pExternalSchichtung);

  const std::string& Schicht() const { return FSchicht; }

 private:
  void AppendData() const;

  std::string FSchicht;
  TOwnedList<TPflanzeData> FPflanzen;
  TOwnedList<TTierData> FTiere;
  int32_t FPKey = -1;
};

}  // namespace aggregate
