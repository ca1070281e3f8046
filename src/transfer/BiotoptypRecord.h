#pragma once
#include <cstdint>
#include <string>

#include "hostdata/Schema.h"
#include "platform/UserInterface.h"
#include "transfer/ChildList.h"
#include "transfer/MergeRule.h"
#include "transfer/SingleFieldRecord.h"
#include "transfer/TargetRows.h"
#include "transfer/TransferKind.h"
#include "transfer/VegetationstypRecord.h"

namespace aggregate {

// One biotope-type row of a host object (BtypHtyp) with its additional codes and vegetation
// types; the record owns everything below it.
class BiotoptypRecord {
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

  BiotoptypRecord(const Reading& reading, int32_t sourceObjectId);

  // Reads the current BtypHtyp row of the active object, which must be objectId, and the rows
  // below it. Throws LibraryError when the object's area, which the record would carry, is no
  // finite number.
  void read(int32_t objectId);
  MergeKey mergeKey() const { return MergeKeyOf(codes_); }
  // Adds the other record's area and takes over the additional codes and vegetation types it
  // lacks; what it already holds stays with the other record. False, before anything has
  // changed, when the areas cannot be added: one is no number, or their sum is none.
  [[nodiscard]] bool merge(BiotoptypRecord& other);
  [[nodiscard]] bool addFlaeche(const std::string& otherFlaeche);
  // Updates FLAECHE of the matching row of the active object (the target) or appends a row,
  // then writes the additional codes and vegetation types below it. The matching row is the
  // first row of the record's own key (a record read from the target) or merge key. A failure to
  // append is shown to the user, and the rows below are written all the same.
  void write(TargetRows& rows, platform::UserInterface& ui) const;

  const std::string& biotoptyp() const { return codes_.biotoptyp; }
  const std::string& flaeche() const { return flaeche_; }
  const std::string& kennungSubObjekt() const { return kennungSubObjekt_; }

 private:
  bool findRow(const TargetRows& rows) const;
  void append(platform::UserInterface& ui) const;

  Reading reading_;
  schema::BiotoptypCodes codes_;
  std::string flaeche_;
  std::string kennungSubObjekt_;
  OwnedList<ZusatzcodeRecord> zusatzcodes_;
  OwnedList<VegetationstypRecord> vegetationstypen_;
  int32_t pkey_ = -1;
};

using BiotoptypRecords = OwnedList<BiotoptypRecord>;

}  // namespace aggregate
