#include "areas/AreaBalance.h"

#include <charconv>
#include <cmath>
#include <string>

#include "areas/AreaConversion.h"
#include "areas/AreaFields.h"
#include "common/BusyFlag.h"
#include "hostdata/ActiveObject.h"
#include "hostdata/AttributeAccess.h"
#include "hostdata/ObjectClasses.h"
#include "hostdata/TableCursor.h"
#include "hostdata/TextConventions.h"
#include "platform/RegionalSettings.h"
#include "platform/UserInterface.h"

namespace aggregate {

namespace {

struct AreaSums {
  int32_t rowsWithoutArea = 0;
  int32_t rowsWithoutNumber = 0;  // an area or share that is no finite number
  double percent = 0;             // P
  double hectares = 0;            // H
};

// The value at the 15 significant digits it is written with: sums that are equal in decimal,
// such as 0,4 + 99,7 and 100,1, must not be told apart by the last bit of their binary form.
double asWritten(double value) {
  char text[32];
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
  double decimal = value;
  std::from_chars(text, written.ptr, decimal);
  return decimal;
}

// A present hectare value wins over the stored percentage, which is recomputed from it.
// "INF" or "NaN" typed, or a figure that overflows, is refused: nothing derived from it is written.
void completeCurrentRow(double totalArea, AreaSums& sums) {
  const double percent = GetFloatValue(areas::kBtypHtyp, areas::kFlaechenanteil);
  const double hectares = GetFloatValue(areas::kBtypHtyp, areas::kFlaeche);
  if (!std::isfinite(percent) || !std::isfinite(hectares)) {
    ++sums.rowsWithoutNumber;
    return;
  }
  const bool fromHectares = hectares > 0;
  if (!fromHectares && !(percent > 0)) {
    ++sums.rowsWithoutArea;
    return;
  }
  const AreaFigure derived =
      fromHectares ? HectaresToPercent(hectares, totalArea) : PercentToHectares(percent, totalArea);
  if (!std::isfinite(derived.value)) {
    ++sums.rowsWithoutNumber;
    return;
  }
  SetStringValue(areas::kBtypHtyp, fromHectares ? areas::kFlaechenanteil : areas::kFlaeche, derived.text);
  sums.hectares += fromHectares ? hectares : derived.value;
  sums.percent += fromHectares ? derived.value : percent;
}

void addLine(std::string& message, const std::string& line) {
  if (!message.empty()) message += "\r\n";
  message += line;
}

std::string balanceMessage(const AreaSums& sums, double totalArea, int32_t classCode) {
  const char separator = platform::decimalSeparator();
  const auto number = [separator](double value) { return LocaleNumberText(value, separator); };
  const double tolerance = GetAreaTolerance(classCode);
  // FSN parcels need not be covered completely, so only excess is reported for them.
  const bool checkShortfall = classCode != kClassFSN;
  const std::string hectaresAgainstTotal =
      " (" + number(sums.hectares) + " ha gegen " + number(totalArea) + " ha)";

  std::string message;
  if (sums.rowsWithoutArea > 0) {
    addLine(message, std::string("Es gibt ") + std::to_string(sums.rowsWithoutArea) +
                         " BT-Datensätze ohne Flächenangabe.");
  }
  if (sums.rowsWithoutNumber > 0) {
    addLine(message, std::string("Es gibt ") + std::to_string(sums.rowsWithoutNumber) +
                         " BT-Datensätze, deren Fläche oder Flächenanteil keine endliche Zahl ist; "
                         "sie wurden nicht umgerechnet.");
  }
  if (sums.percent > 100) {
    addLine(message,
            std::string(" Die Summe der Flächenanteile ist zu groß (") + number(sums.percent) + " %)");
  }
  if (checkShortfall && sums.percent < 100 - tolerance) {
    addLine(message,
            std::string(" Die Summe der Flächenanteile ist zu klein (") + number(sums.percent) + " %)");
  }
  if (sums.hectares > asWritten(totalArea / 100 * 100.1)) {
    addLine(message, std::string(" Die Summe der Teilflächen ist zu groß") + hectaresAgainstTotal);
  }
  if (checkShortfall && sums.hectares < asWritten(totalArea / 100 * (100 - tolerance))) {
    addLine(message, std::string(" Die Summe der Teilflächen ist zu klein") + hectaresAgainstTotal);
  }
  return message;
}

}  // namespace

int32_t GetAreaTolerance(int32_t classCode) { return classCode == kClassBK ? 10 : 2; }

void BalanceAreasOfActiveObject() {
  if (BusyFlag) return;
  const ActiveObject active = GetActiveObject();
  if (active.classCode != kClassBK && active.classCode != kClassGB && active.classCode != kClassFSN) return;
  const BusyFlagHold hold;
  CalculateAreaBalance(active.id, active.classCode);
}

void CalculateAreaBalance(int32_t objectId, int32_t classCode) {
  const auto totalArea = UsableTotalArea(objectId);
  if (!totalArea) return;

  AreaSums sums;
  ForEachRow(areas::kBtypHtyp, [&] { completeCurrentRow(*totalArea, sums); });
  sums.percent = asWritten(sums.percent);
  sums.hectares = asWritten(sums.hectares);
  // Rounded shares of a complete cover rarely add up to exactly 100.
  if (sums.percent >= 99.9 && sums.percent <= 100.1) sums.percent = 100;

  const std::string message = balanceMessage(sums, *totalArea, classCode);
  if (!message.empty()) platform::ui().showMessage(platform::MessageKind::Warning, message);

  if (!std::isfinite(sums.hectares) || !std::isfinite(sums.percent)) {
    platform::ui().showMessage(platform::MessageKind::Error,
                               "Die Summen sind zu groß für eine Zahl und wurden nicht geschrieben.");
    return;
  }
  // The sums stay unrounded and in the user's notation, unlike the row figures.
  const char separator = platform::decimalSeparator();
  const std::string hectares = LocaleNumberText(sums.hectares, separator);
  const std::string percent = LocaleNumberText(sums.percent, separator);
  SetStringValue(areas::kBtypHtyp, areas::kGesFl, hectares);
  SetStringValue(areas::kBtypHtyp, areas::kGesProz, percent);
}

}  // namespace aggregate
