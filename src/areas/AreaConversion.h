#pragma once
// Numbers of the area figures: reading them from the host, the object's total area, and the
// conversions between hectares and percentage shares that the handlers and the balance write.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/UserInterface.h"

namespace aggregate {

// A converted area figure: rounded to 4 decimals, and that value as point number text.
struct AreaFigure {
  double value = 0;
  std::string text;
};

// The number in a field of the table's current row, in either decimal notation; -1 when the host
// has no value or the text is no number, so callers take anything not above 0 as missing.
double GetFloatValue(const std::string& table, const std::string& field);

// The object's area in hectares: the host's own for area geometries, otherwise the recorded
// LINFOS2.OffFlaech of the active object (-1 when missing). Callers pass the active object.
double GetTotalArea(int32_t objectId);

// GetTotalArea when it is above 0; otherwise the user is warned that no conversion is possible.
std::optional<double> UsableTotalArea(int32_t objectId, platform::UserInterface& ui);

// Both require a total area above 0.
AreaFigure PercentToHectares(double percent, double totalArea);
AreaFigure HectaresToPercent(double hectares, double totalArea);

}  // namespace aggregate
