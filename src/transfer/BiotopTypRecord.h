#pragma once
#include <cstdint>
#include <string>

#include "transfer/ChildList.h"
#include "transfer/SingleFieldRecord.h"
#include "transfer/TargetRows.h"
#include "transfer/TransferKind.h"
#include "transfer/VegetationstypRecord.h"

namespace aggregate {

// One biotope-type row of a host object (BtypHtyp) with its additional codes and vegetation
// types; the record owns everything below it.
class BiotopTypRecord {
 public:
  // How a record is read: from a source object of a transfer kind, or from the target itself.
  struct Reading {
    SourceArea area;
    bool withVegetationstypen;
    bool fromTarget;
  };
  static Reading sourceReading(const TransferKindRow& kind);
  // The target's own rows keep their FLAECHE and vegetation types and go back into their rows.
  static constexpr Reading kTargetReading{SourceArea::RowFlaeche, true, true};

  BiotopTypRecord(const Reading& reading, int32_t sourceObjectId);

  // Reads the current BtypHtyp row of the active object, which must be objectId, and the rows
  // below it.
  void read(int32_t objectId);
  // Same Biotoptyp, Oekotyp and P62_Typ.
  bool fits(const BiotopTypRecord& other) const;
  // Adds the other record's area and takes over the additional codes and vegetation types it
  // lacks; what it already holds stays with the other record. False, before anything has
  // changed, when the areas cannot be added: one is no number, or their sum is none.
  [[nodiscard]] bool merge(BiotopTypRecord& other);
  [[nodiscard]] bool addFlaeche(const std::string& otherFlaeche);
  // Updates FLAECHE of the matching row of the active object (the target) or appends a row,
  // then writes the additional codes and vegetation types below it. The matching row is the
  // first row of the record's own key (a record read from the target) or codes.
  void write(TargetRows& rows) const;
  // Writes this one record, reading the target's rows first.
  void write() const;

  const std::string& biotoptyp() const { return biotoptyp_; }
  const std::string& flaeche() const { return flaeche_; }
  const std::string& kennungSubObjekt() const { return kennungSubObjekt_; }
  // True once addFlaeche has assigned the area.
  bool updateNecessary() const { return updateNecessary_; }

 private:
  bool findRow(const TargetRows& rows) const;
  bool hasThisRecordsCodes() const;
  void append() const;

  Reading reading_;
  std::string biotoptyp_;
  std::string ffhLrt_;
  std::string p62Typ_;
  std::string flaeche_;
  std::string kennungSubObjekt_;
  OwnedList<ZusatzcodeRecord> zusatzcodes_;
  OwnedList<VegetationstypRecord> vegetationstypen_;
  int32_t pkey_ = -1;
  bool updateNecessary_ = false;
};

using BiotopTypRecords = OwnedList<BiotopTypRecord>;

}  // namespace aggregate
