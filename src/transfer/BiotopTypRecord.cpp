#include "transfer/BiotopTypRecord.h"

#include <cmath>
#include <exception>

#include "contract/TolvarApi.h"
#include "hostdata/AttributeAccess.h"
#include "hostdata/TableCursor.h"
#include "hostdata/TextConventions.h"
#include "platform/RegionalSettings.h"
#include "platform/UserInterface.h"
#include "transfer/TransferStopped.h"

namespace aggregate {

namespace {
constexpr const char* kTable = "BtypHtyp";
}  // namespace

BiotopTypRecord::Reading BiotopTypRecord::sourceReading(const TransferKindRow& kind) {
  return {kind.sourceArea, kind.carriesVegetationstypen, false};
}

BiotopTypRecord::BiotopTypRecord(const Reading& reading, int32_t sourceObjectId)
    : reading_(reading), kennungSubObjekt_(GetObjectKennung(sourceObjectId)) {}

void BiotopTypRecord::read(int32_t objectId) {
  biotoptyp_ = GetStringValue(kTable, "Biotoptyp");
  ffhLrt_ = GetStringValue(kTable, "Oekotyp");
  p62Typ_ = GetStringValue(kTable, "P62_Typ");
  pkey_ = GetIntValue(kTable, "PKEY");
  if (reading_.area == SourceArea::RowFlaeche) {
    flaeche_ = GetStringValue(kTable, "FLAECHE");
  } else {
    // An object whose area is no finite number (coordinates far out of range, say) has no area
    // that could be written.
    const double area = tlGetObjectArea(objectId);
    if (!std::isfinite(area))
      throw TransferStopped(std::string("Die Fläche von ") + kennungSubObjekt_ + " ist keine endliche Zahl.");
    flaeche_ = LocaleNumberText(area, platform::decimalSeparator());
  }
  ReadChildRows("Zusatzcodes", zusatzcodes_);
  if (reading_.withVegetationstypen) ReadChildRows("Vegetationstyp", vegetationstypen_);
}

bool BiotopTypRecord::fits(const BiotopTypRecord& other) const {
  return biotoptyp_ == other.biotoptyp_ && ffhLrt_ == other.ffhLrt_ && p62Typ_ == other.p62Typ_;
}

bool BiotopTypRecord::merge(BiotopTypRecord& other) {
  if (!addFlaeche(other.flaeche_)) return false;
  MergeChildList(zusatzcodes_, other.zusatzcodes_, &ZusatzcodeRecord::identity);
  MergeChildList(vegetationstypen_, other.vegetationstypen_,
                 SameIdentity(&VegetationstypRecord::vegetationstyp), &VegetationstypRecord::merge);
  return true;
}

bool BiotopTypRecord::addFlaeche(const std::string& otherFlaeche) {
  if (flaeche_.empty()) {
    flaeche_ = otherFlaeche;  // taken over as it is, not reformatted
    updateNecessary_ = true;
  } else if (!otherFlaeche.empty()) {
    const auto own = ParseFloatTolerant(flaeche_);
    const auto other = ParseFloatTolerant(otherFlaeche);
    if (!own || !other || !std::isfinite(*own + *other)) return false;
    flaeche_ = LocaleNumberText(*own + *other, platform::decimalSeparator());
    updateNecessary_ = true;
  }
  return true;
}

void BiotopTypRecord::write(TargetRows& rows) const {
  if (findRow(rows)) {
    SetStringValue(kTable, "FLAECHE", flaeche_);
  } else {
    append();
    rows.addCurrentRow();
  }
  for (const auto& zusatzcode : zusatzcodes_) zusatzcode->write();
  for (const auto& vegetationstyp : vegetationstypen_) vegetationstyp->write();
}

void BiotopTypRecord::write() const {
  TargetRows rows(kTable);
  write(rows);
}

bool BiotopTypRecord::findRow(const TargetRows& rows) const {
  // A record of the target goes back into the row it was read from, so that a target holding
  // two rows with equal codes keeps each row's own area and sub-rows.
  if (reading_.fromTarget && pkey_ != -1) return rows.moveToKey(pkey_);
  if (!rows.anyRowWith({biotoptyp_, ffhLrt_, p62Typ_})) return false;
  return FindRow(kTable, [this] { return hasThisRecordsCodes(); });
}

bool BiotopTypRecord::hasThisRecordsCodes() const {
  return GetStringValue(kTable, "Biotoptyp") == biotoptyp_ && GetStringValue(kTable, "Oekotyp") == ffhLrt_ &&
         GetStringValue(kTable, "P62_Typ") == p62Typ_;
}

void BiotopTypRecord::append() const {
  try {
    AppendRow(kTable, {{"Biotoptyp", biotoptyp_},
                       {"Oekotyp", ffhLrt_},
                       {"P62_Typ", p62Typ_},
                       {"FLAECHE", flaeche_},
                       {"Biotoptyp", biotoptyp_}});
  } catch (const std::exception& failure) {
    platform::ui().showMessage(platform::MessageKind::Plain, failure.what());
  }
}

}  // namespace aggregate
