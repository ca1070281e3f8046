#include "SourceFields.h"

#include <algorithm>
#include <charconv>

#include "ClassCodes.h"

namespace tolvar {

namespace {

// Shapefiles cut field names to this many characters.
constexpr std::size_t kShapefileNameWidth = 10;

// The tables whose rows belong to an object itself. Detail rows (a second biotope type, layers,
// species lists) hang below a parent row and cannot come from one feature. A measure's biotope
// types are the aggregation's to write.
std::vector<std::string> tablesOfClass(std::int32_t classCode) {
  if (classCode == host::kClassFT) return {"Tierliste", "LINFOS2"};
  if (classCode == host::kClassFP) return {"Pflanzenliste", "LINFOS2"};
  if (classCode == host::kClassMAS) return {"LINFOS2"};
  return {"BtypHtyp", "LINFOS2"};
}

// The source field for a column: the same name in any case, else a Shapefile's cut name when no
// other column of the table begins the same way.
int fieldFor(const OGRFeatureDefn& defn, const std::string& column, const std::vector<std::string>& columns) {
  for (int i = 0; i < defn.GetFieldCount(); ++i) {
    if (host::equalsIgnoringCase(defn.GetFieldDefn(i)->GetNameRef(), column)) return i;
  }
  if (column.size() <= kShapefileNameWidth) return -1;
  const std::string cut = column.substr(0, kShapefileNameWidth);
  const auto sharing = std::count_if(columns.begin(), columns.end(), [&](const std::string& other) {
    return other.size() > kShapefileNameWidth &&
           host::equalsIgnoringCase(other.substr(0, kShapefileNameWidth), cut);
  });
  if (sharing != 1) return -1;
  for (int i = 0; i < defn.GetFieldCount(); ++i) {
    if (host::equalsIgnoringCase(defn.GetFieldDefn(i)->GetNameRef(), cut)) return i;
  }
  return -1;
}

// Values are texts in the project; a real number is written as short as it reads back exactly.
std::optional<std::string> textOf(OGRFeature& feature, int field) {
  if (!feature.IsFieldSetAndNotNull(field)) return std::nullopt;
  if (feature.GetFieldDefnRef(field)->GetType() == OFTReal) {
    char digits[32];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, feature.GetFieldAsDouble(field));
    if (error == std::errc()) return std::string(digits, end);
  }
  std::string text = feature.GetFieldAsString(field);
  if (text.empty()) return std::nullopt;
  return text;
}

}  // namespace

SourceFields::SourceFields(const host::Host& host, const OGRFeatureDefn& defn, std::int32_t classCode,
                           int kennungField)
    : defn_(defn), kennungField_(kennungField) {
  const std::vector<std::string> tables = host.tableNames();
  for (const std::string& table : tablesOfClass(classCode)) {
    const bool present = std::any_of(tables.begin(), tables.end(), [&](const std::string& name) {
      return host::equalsIgnoringCase(name, table);
    });
    if (!present) continue;
    TableSource source{table, {}};
    const std::vector<std::string> columns = host.columnsOf(table);
    for (const std::string& column : columns) {
      const int field = fieldFor(defn, column, columns);
      if (field >= 0) source.columns.push_back({column, field});
    }
    if (!source.columns.empty()) tables_.push_back(std::move(source));
  }
}

std::vector<std::string> SourceFields::unused() const {
  std::vector<std::string> unused;
  for (int i = 0; i < defn_.GetFieldCount(); ++i) {
    const bool used =
        i == kennungField_ || std::any_of(tables_.begin(), tables_.end(), [&](const TableSource& t) {
          return std::any_of(t.columns.begin(), t.columns.end(),
                             [&](const ColumnSource& c) { return c.field == i; });
        });
    if (!used) unused.push_back(defn_.GetFieldDefn(i)->GetNameRef());
  }
  return unused;
}

std::vector<std::pair<std::string, host::FieldValues>> SourceFields::rowsOf(OGRFeature& feature) const {
  std::vector<std::pair<std::string, host::FieldValues>> rows;
  for (const TableSource& table : tables_) {
    host::FieldValues values;
    for (const ColumnSource& column : table.columns) {
      if (auto text = textOf(feature, column.field)) values[column.column] = std::move(text);
    }
    if (!values.empty()) rows.emplace_back(table.table, std::move(values));
  }
  return rows;
}

}  // namespace tolvar
