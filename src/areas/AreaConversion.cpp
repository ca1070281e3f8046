#include "areas/AreaConversion.h"

#include <cmath>

#include "contract/TolvarApi.h"
#include "hostdata/AttributeAccess.h"
#include "hostdata/TextConventions.h"
#include "platform/RegionalSettings.h"
#include "platform/UserInterface.h"

namespace aggregate {

namespace {

constexpr int32_t kFloatValueCount = 1023;
constexpr int32_t kGeoTypePolygon = 3;
constexpr int32_t kGeoTypeMultiPolygon = 14;

AreaFigure rounded(double raw) {
  const double value = RoundTo4Decimals(raw);
  return {value, PointNumberText(value, platform::decimalSeparator())};
}

}  // namespace

double GetFloatValue(const std::string& table, const std::string& field) {
  const auto text = GetUntrimmedValue(table, field, kFloatValueCount);
  return text ? ParseFloatTolerant(*text).value_or(-1) : -1;
}

double GetTotalArea(int32_t objectId) {
  const int32_t geoType = tlGetGeoTypeOf(objectId);
  if (geoType == kGeoTypePolygon || geoType == kGeoTypeMultiPolygon) return tlGetObjectArea(objectId);
  return GetFloatValue("LINFOS2", "OffFlaech");
}

std::optional<double> UsableTotalArea(int32_t objectId) {
  const double total = GetTotalArea(objectId);
  if (total > 0 && std::isfinite(total)) return total;
  platform::ui().showMessage(platform::MessageKind::Warning,
                             "ha-%-Umrechnung ohne Gesamtflächenangabe nicht möglich!");
  return std::nullopt;
}

AreaFigure PercentToHectares(double percent, double totalArea) { return rounded(percent * totalArea / 100); }

AreaFigure HectaresToPercent(double hectares, double totalArea) {
  return rounded(hectares * 100 / totalArea);
}

}  // namespace aggregate
