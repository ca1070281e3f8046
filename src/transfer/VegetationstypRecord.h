#pragma once
#include <string>

#include "transfer/ChildList.h"
#include "transfer/SchichtungRecord.h"

namespace aggregate {

// One vegetation type of a biotope-type record with its layers: a row of Vegetationstyp.
class VegetationstypRecord {
 public:
  // Reads the current Vegetationstyp row and its layers.
  void read();
  // Finds or appends the vegetation type below the target's current BtypHtyp row, then writes
  // its layers below it.
  void write() const;
  // Takes over the layers of an equal vegetation type that this one lacks and merges the
  // layers both hold.
  void merge(VegetationstypRecord& other);

  const std::string& vegetationstyp() const { return vegetationstyp_; }

 private:
  void append() const;

  std::string vegetationstyp_;
  OwnedList<SchichtungRecord> schichtungen_;
};

}  // namespace aggregate
