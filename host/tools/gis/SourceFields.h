// Which fields of a GIS source fill which fields of the tables an object of a class owns itself:
// the same name in any letter case, or a Shapefile's name cut to 10 characters.
#pragma once

#include <ogr_feature.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Host.h"

namespace tolvar {

class SourceFields {
 public:
  SourceFields(const host::Host& host, const OGRFeatureDefn& defn, std::int32_t classCode, int kennungField);

  // The rows one feature gives, one per table that gets a value.
  std::vector<std::pair<std::string, host::FieldValues>> rowsOf(OGRFeature& feature) const;
  // The source's fields that fill nothing, the Kennung's aside.
  std::vector<std::string> unused() const;

 private:
  struct ColumnSource {
    std::string column;
    int field = -1;
  };
  struct TableSource {
    std::string table;
    std::vector<ColumnSource> columns;
  };
  const OGRFeatureDefn& defn_;
  int kennungField_;
  std::vector<TableSource> tables_;
};

}  // namespace tolvar
