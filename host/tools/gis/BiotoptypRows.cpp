#include "BiotoptypRows.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "Joined.h"

namespace tolvar {

namespace {

std::optional<double> positive(const std::string& text) {
  const auto value = storedNumber(text);
  return value && *value > 0 ? value : std::nullopt;
}

}  // namespace

std::vector<BiotoptypRow> biotoptypRowsOf(const host::Host& host, const std::string& kennung,
                                          SpeciesCarrier carrier) {
  std::vector<BiotoptypRow> rows;
  for (const host::Row& row : host.rows(kennung, "BtypHtyp")) {
    if (carrier == SpeciesCarrier::Left && row.value("Biotoptyp") == "OZ") continue;
    rows.push_back({row.value("Biotoptyp"), row.value("Oekotyp"), row.value("P62_Typ"),
                    row.value("Bemerkung"), row.value("FLAECHE"), row.value("Flaechenanteil"),
                    positive(row.value("FLAECHE")), positive(row.value("Flaechenanteil"))});
  }
  return rows;
}

std::vector<SpeciesRow> speciesOf(const host::Host& host, const std::string& kennung) {
  std::vector<SpeciesRow> species;
  for (const host::Row& row : host.rows(kennung, "PlanungRelArten")) {
    const std::string animal = row.value("PlanRel_T_Art");
    species.push_back(animal.empty() ? SpeciesRow{row.value("PlanRel_P_Art"), true}
                                     : SpeciesRow{animal, false});
  }
  return species;
}

std::string speciesText(const std::vector<SpeciesRow>& species) {
  std::vector<std::string> names;
  for (const SpeciesRow& s : species) names.push_back(s.name + (s.plant ? " (Pflanze)" : " (Tier)"));
  return joined(names);
}

std::optional<double> storedNumber(const std::string& text) {
  std::string digits = text;
  std::replace(digits.begin(), digits.end(), ',', '.');
  double value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::string aggregatedCode(const std::string& code) {
  if (!code.empty() && (code[0] == 'x' || code[0] == 'y' || code[0] == 'z')) return code.substr(1);
  return code;
}

}  // namespace tolvar
