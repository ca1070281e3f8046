#include "areas/AreaHandlers.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "areas/AreaConversion.h"
#include "areas/AreaFields.h"
#include "common/BusyFlag.h"
#include "hostdata/ActiveObject.h"
#include "hostdata/AttributeAccess.h"
#include "hostdata/ObjectClasses.h"
#include "hostdata/TextConventions.h"
#include "platform/RegionalSettings.h"
#include "platform/UserInterface.h"

namespace aggregate {

namespace {

using AreaConversion = AreaFigure (*)(double value, double totalArea);

// The user typed something that is no number in their own notation: say so instead of
// silently keeping the other figure stale.
void warnNotANumber(const std::string& value, char separator) {
  platform::ui().showMessage(platform::MessageKind::Warning,
                             std::string("Der Wert \"") + value +
                                 "\" ist keine Zahl mit dem Dezimaltrennzeichen \"" + separator +
                                 "\"; die Fläche wurde nicht umgerechnet.");
}

void recomputeOtherAreaFigure(const char* newValue, AreaConversion convert, const char* writtenField) {
  if (BusyFlag) return;
  const ActiveObject active = GetActiveObject();
  if (active.classCode != kClassBK && active.classCode != kClassGB) return;
  const std::string value = Trim(FromHostText(newValue));
  if (value.empty()) return;

  // Held while writing: the host's notification for the written field must find us inactive.
  const BusyFlagHold hold;
  const char separator = platform::decimalSeparator();
  const auto number = ParseUserNumber(value, separator);
  if (!number || !std::isfinite(*number)) {
    warnNotANumber(value, separator);
    return;
  }
  const auto total = UsableTotalArea(active.id);
  if (!total) return;
  const AreaFigure converted = convert(*number, *total);
  if (!std::isfinite(converted.value)) {
    warnNotANumber(value, separator);
    return;
  }
  SetStringValue(areas::kBtypHtyp, writtenField, converted.text);
}

// True while a flag handler writes its flag. A host that attaches a flag handler to a flag
// field and reports the library's own writes would otherwise call it back without end.
bool writingFlag = false;

class FlagWrite {
 public:
  FlagWrite() { writingFlag = true; }
  ~FlagWrite() { writingFlag = false; }
  FlagWrite(const FlagWrite&) = delete;
  FlagWrite& operator=(const FlagWrite&) = delete;
};

void setFlag(const char* newValue, const char* destination, const char* flagField,
             bool (*isSet)(const std::string& trimmed)) {
  if (writingFlag) return;  // our own write answered: the outer call holds BusyFlag and clears it
  const FlagWrite writing;
  const BusyFlagHold hold;  // taken whatever its earlier value, and left cleared
  const std::string value = Trim(FromHostText(destination != nullptr ? destination : newValue));
  SetStringValue(areas::kBtypHtyp, flagField, isSet(value) ? "Wahr" : "Falsch");
}

bool startsWithDigit(const std::string& value) {
  return !value.empty() && value[0] >= '0' && value[0] <= '9';
}

bool isNotEmpty(const std::string& value) { return !value.empty(); }

}  // namespace

void HandleFlaechenanteilChanged(const char* newValue, char*) {
  recomputeOtherAreaFigure(newValue, PercentToHectares, areas::kFlaeche);
}

void HandleFlaecheAbsolutChanged(const char* newValue, char*) {
  recomputeOtherAreaFigure(newValue, HectaresToPercent, areas::kFlaechenanteil);
}

void HandleFFHValueChanged(const char* newValue, char* destination) {
  setFlag(newValue, destination, areas::kIstFFHLRT, startsWithDigit);
}

void HandleP62ValueChanged(const char* newValue, char* destination) {
  setFlag(newValue, destination, areas::kIstP62Typ, isNotEmpty);
}

}  // namespace aggregate
