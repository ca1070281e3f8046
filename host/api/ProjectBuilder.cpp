#include "ProjectBuilder.h"

#include <algorithm>

#include "HostConfig.h"
#include "ObjectsFile.h"
#include "ProjectDatabase.h"
#include "TableTree.h"

namespace host {

ProjectBuilder& ProjectBuilder::addObject(std::int32_t id, const std::string& kennung, std::int32_t classCode,
                                          const std::string& wkt) {
  objects_.push_back({id, kennung, classCode, wkt});
  return *this;
}

ProjectBuilder& ProjectBuilder::addRectangle(std::int32_t id, const std::string& kennung,
                                             std::int32_t classCode, double minX, double minY, double maxX,
                                             double maxY) {
  auto corner = [](double x, double y) { return std::to_string(x) + " " + std::to_string(y); };
  return addObject(id, kennung, classCode,
                   "POLYGON((" + corner(minX, minY) + ", " + corner(maxX, minY) + ", " + corner(maxX, maxY) +
                       ", " + corner(minX, maxY) + ", " + corner(minX, minY) + "))");
}

std::int64_t ProjectBuilder::addRow(const std::string& table, std::int32_t objectId,
                                    std::optional<std::int64_t> parentKey, const FieldValues& fields) {
  rows_.push_back({table, Row{++lastKey_, objectId, parentKey, fields}});
  return lastKey_;
}

ProjectBuilder& ProjectBuilder::createChangeList(const std::vector<ChangeListEntry>& entries) {
  changeList_ = entries;
  return *this;
}

ProjectBuilder& ProjectBuilder::setHandlers(const std::map<std::string, std::string>& handlers) {
  handlers_ = handlers;
  return *this;
}

ProjectBuilder& ProjectBuilder::omitTable(const std::string& table) {
  omittedTables_.push_back(table);
  return *this;
}

bool ProjectBuilder::holdsProject(const std::filesystem::path& dir) {
  return std::filesystem::exists(dir / kDatabaseFileName);
}

void ProjectBuilder::write(const std::filesystem::path& dir) const {
  if (holdsProject(dir)) throw HostError("a project already exists in " + dir.string());
  std::filesystem::create_directories(dir);

  GeosContext geos;
  ObjectStore objects;
  for (const PlannedObject& planned : objects_) {
    GeoObject object{planned.id, planned.kennung, planned.classCode, {}, "null", false};
    if (!planned.wkt.empty()) {
      object.geometry = geos.fromWkt(planned.wkt);
      object.geometryJson = geos.toGeoJson(object.geometry);
    }
    objects.add(std::move(object));
  }
  saveObjects(dir / kObjectsFileName, objects);

  std::vector<AttributeTable> tables;
  for (const StandardTable& standard : standardTables()) {
    const bool omitted =
        std::any_of(omittedTables_.begin(), omittedTables_.end(),
                    [&](const std::string& name) { return equalsIgnoringCase(name, standard.name); });
    if (omitted) continue;
    std::vector<std::string> columns(standard.columns.begin(), standard.columns.end());
    tables.emplace_back(standard.name, parentTableOf(standard.name), std::move(columns),
                        standard.parent != nullptr);
  }
  ProjectDatabase::create(dir / kDatabaseFileName, tables);

  ProjectDatabase database(dir / kDatabaseFileName);
  for (const PlannedRow& planned : rows_) {
    auto table = std::find_if(tables.begin(), tables.end(), [&](const AttributeTable& t) {
      return equalsIgnoringCase(t.name(), planned.table);
    });
    if (table == tables.end()) throw HostError("the project has no table '" + planned.table + "'");
    StoredRow row{planned.row.key, planned.row.objectId, planned.row.masterKey,
                  std::vector<Value>(table->columns().size())};
    for (const auto& [field, value] : planned.row.fields) {
      auto column = table->columnIndex(field);
      if (!column) throw HostError(table->name() + " has no field '" + field + "'");
      row.values[*column] = value;
    }
    database.insertRow(*table, row);
  }
  database.finish(true);
  database.checkpoint();

  if (changeList_) writeChangeList(dir / kChangeListFileName, *changeList_);
  if (handlers_)
    writeHostConfig(dir / kConfigFileName, HostConfig{{handlers_->begin(), handlers_->end()}, false});
}

}  // namespace host
