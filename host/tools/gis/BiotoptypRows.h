// The biotope-type and species rows an object holds, as the plug-in last wrote them, read for the
// report and the result layer. Numbers stay the texts the plug-in stored (either decimal separator).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Host.h"

namespace tolvar {

struct BiotoptypRow {
  std::string code;  // Biotoptyp
  std::string oekotyp;
  std::string p62;
  std::string remark;  // Bemerkung
  std::string hectaresText;
  std::string shareText;
  std::optional<double> hectares;  // only a value above 0 counts as an area
  std::optional<double> share;
};

struct SpeciesRow {
  std::string name;
  bool plant = false;
};

// "OZ" rows carry the species of a measure and are no biotope type of it.
enum class SpeciesCarrier { Kept, Left };

std::vector<BiotoptypRow> biotoptypRowsOf(const host::Host& host, const std::string& kennung,
                                          SpeciesCarrier carrier);
std::vector<SpeciesRow> speciesOf(const host::Host& host, const std::string& kennung);
// "Lacerta agilis (Tier), Arnica montana (Pflanze)"
std::string speciesText(const std::vector<SpeciesRow>& species);

// A stored number with either decimal separator; nothing for an empty or unreadable text.
std::optional<double> storedNumber(const std::string& text);
// The code a measure row gets for a source row's code: without a leading lower-case x, y or z.
std::string aggregatedCode(const std::string& code);

}  // namespace tolvar
