#pragma once
// A project built for one test, the plug-in loaded into the simulated host, the measure command
// run on a selection, and the measure's tables read back as text.
#include <locale>
#include <memory>
#include <string>
#include <vector>

#include "Host.h"
#include "ProjectBuilder.h"
#include "TempDir.h"

namespace e2e {

inline constexpr const char* kWindowCaption = "Aggregation von Maßnahme-Objekten";

// The decimal separator the plug-in takes from the environment; texts here use a point.
inline std::string localeNumber(std::string pointText) {
  const char separator = std::use_facet<std::numpunct<char>>(std::locale("")).decimal_point();
  for (char& c : pointText)
    if (c == '.') c = separator;
  return pointText;
}

class MeasureProject {
 public:
  host::ProjectBuilder builder;

  // A rectangle of 100 m height from x0 to x1 (100 m = 1 ha); a point for find sites.
  void strip(std::int32_t id, const std::string& kennung, std::int32_t classCode, double x0, double x1);
  void point(std::int32_t id, const std::string& kennung, std::int32_t classCode, double x);
  std::int64_t biotopRow(std::int32_t objectId, const std::string& code, const host::FieldValues& more = {});
  void species(std::int32_t objectId, const std::string& table, const std::string& field,
               const std::vector<std::string>& names);

  host::Host& open();
  host::Host& tolvar() { return *host_; }
  // Runs the command on this selection; returns what the plug-in wrote to standard error.
  std::string aggregate(const std::vector<std::string>& selection);

  // "code|FLAECHE|Flaechenanteil" per BtypHtyp row.
  std::vector<std::string> biotopTypes(const std::string& measure) const;
  // "T:name" or "P:name" per PlanungRelArten row.
  std::vector<std::string> species(const std::string& measure) const;
  // Every row of the measure with its non-NULL values (no keys), nested by the table tree.
  std::vector<std::string> dump(const std::string& measure) const;

 private:
  testsupport::TempDir dir_;
  std::unique_ptr<host::Host> host_;
};

}  // namespace e2e
