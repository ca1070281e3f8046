#pragma once
#include <string>

#include "transfer/ChildList.h"
#include "transfer/PflanzeRecord.h"
#include "transfer/SingleFieldRecord.h"

namespace aggregate {

// One layer of a vegetation type with its plants and animals: a row of Schichtung.
class SchichtungRecord {
 public:
  // Reads the current Schichtung row, its plants and its animals; animals without a species
  // are dropped here and never travel.
  void read();
  // Finds or appends the layer below the target's current Vegetationstyp row, then writes its
  // animals and then its plants below it.
  void write() const;
  // Takes over the animals and plants of an equal layer that this one lacks; a plant both hold
  // keeps its abundance class only where they agree.
  void merge(SchichtungRecord& other);

  const std::string& schicht() const { return schicht_; }

 private:
  void append() const;

  std::string schicht_;
  OwnedList<PflanzeRecord> pflanzen_;
  OwnedList<TierRecord> tiere_;
};

}  // namespace aggregate
