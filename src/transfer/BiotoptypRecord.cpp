#include "transfer/BiotoptypRecord.h"

#include <cmath>
#include <exception>

#include "common/LibraryError.h"
#include "contract/TolvarApi.h"
#include "hostdata/AttributeValues.h"
#include "hostdata/ObjectData.h"
#include "hostdata/TableCursor.h"
#include "hostdata/TextConventions.h"
#include "platform/RegionalSettings.h"

namespace aggregate {

namespace {
constexpr const auto& kTable = schema::kBtypHtyp;
}  // namespace

BiotoptypRecord::Reading BiotoptypRecord::sourceReading(const TransferKindRow& kind) {
  return {kind.sourceArea, kind.carriesVegetationstypen, false};
}

BiotoptypRecord::BiotoptypRecord(const Reading& reading, int32_t sourceObjectId)
    : reading_(reading), kennungSubObjekt_(GetObjectKennung(sourceObjectId)) {}

void BiotoptypRecord::read(int32_t objectId) {
  codes_ = ReadCodesOfCurrentRow();
  pkey_ = GetIntValue(kTable.name, schema::kPkey);
  if (reading_.area == SourceArea::RowFlaeche) {
    flaeche_ = GetStringValue(kTable.name, kTable.flaeche);
  } else {
    // An object whose area is no finite number (coordinates far out of range, say) has no area
    // that could be written.
    const double area = tlGetObjectArea(objectId);
    if (!std::isfinite(area))
      throw LibraryError("Die Fläche von " + kennungSubObjekt_ + " ist keine endliche Zahl.");
    flaeche_ = LocaleNumberText(area, platform::decimalSeparator());
  }
  ReadChildRows(schema::kZusatzcodes.name, zusatzcodes_);
  if (reading_.withVegetationstypen) ReadChildRows(schema::kVegetationstyp.name, vegetationstypen_);
}

bool BiotoptypRecord::merge(BiotoptypRecord& other) {
  if (!addFlaeche(other.flaeche_)) return false;
  MergeChildList(zusatzcodes_, other.zusatzcodes_, &ZusatzcodeRecord::identity);
  MergeChildList(vegetationstypen_, other.vegetationstypen_,
                 SameIdentity(&VegetationstypRecord::vegetationstyp), &VegetationstypRecord::merge);
  return true;
}

bool BiotoptypRecord::addFlaeche(const std::string& otherFlaeche) {
  if (flaeche_.empty()) {
    flaeche_ = otherFlaeche;  // taken over as it is, not reformatted
  } else if (!otherFlaeche.empty()) {
    const char separator = platform::decimalSeparator();
    const auto own = ParseFloatTolerant(flaeche_, separator);
    const auto other = ParseFloatTolerant(otherFlaeche, separator);
    if (!own || !other || !std::isfinite(*own + *other)) return false;
    flaeche_ = LocaleNumberText(*own + *other, separator);
  }
  return true;
}

void BiotoptypRecord::write(TargetRows& rows, platform::UserInterface& ui) const {
  if (findRow(rows)) {
    SetStringValue(kTable.name, kTable.flaeche, flaeche_);
  } else {
    append(ui);
    rows.addCurrentRow();
  }
  for (const auto& zusatzcode : zusatzcodes_) zusatzcode->write();
  for (const auto& vegetationstyp : vegetationstypen_) vegetationstyp->write();
}

bool BiotoptypRecord::findRow(const TargetRows& rows) const {
  // A record of the target goes back into the row it was read from, so that a target holding
  // two rows with equal codes keeps each row's own area and sub-rows.
  if (reading_.fromTarget && pkey_ != -1) return rows.moveToKey(pkey_);
  if (!rows.anyRowWith(mergeKey())) return false;
  return FindRow(kTable.name, [this] { return MergeKeyOf(ReadCodesOfCurrentRow()) == mergeKey(); });
}

void BiotoptypRecord::append(platform::UserInterface& ui) const {
  // Biotoptyp is written once more after the area: hosts have always received the append so.
  try {
    AppendRow(kTable.name, {{kTable.biotoptyp, codes_.biotoptyp},
                            {kTable.oekotyp, codes_.oekotyp},
                            {kTable.p62Typ, codes_.p62Typ},
                            {kTable.flaeche, flaeche_},
                            {kTable.biotoptyp, codes_.biotoptyp}});
  } catch (const std::exception& failure) {
    ui.showMessage(platform::MessageKind::Plain, failure.what());
  }
}

}  // namespace aggregate
