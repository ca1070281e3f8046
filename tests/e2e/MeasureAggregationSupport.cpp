#include "MeasureAggregationSupport.h"

#include <gtest/gtest.h>

#include "ConsoleRedirect.h"

namespace e2e {

namespace {

void dumpNodes(const std::vector<host::RowNode>& nodes, const std::string& indent,
               std::vector<std::string>& out) {
  for (const host::RowNode& node : nodes) {
    std::string line = indent + node.table + ":";
    for (const auto& [field, value] : node.row.fields)
      if (value) line += " " + field + "=" + *value;
    out.push_back(line);
    dumpNodes(node.children, indent + "  ", out);
  }
}

}  // namespace

void MeasureProject::strip(std::int32_t id, const std::string& kennung, std::int32_t classCode, double x0,
                           double x1) {
  builder.addRectangle(id, kennung, classCode, x0, 0, x1, 100);
}

void MeasureProject::point(std::int32_t id, const std::string& kennung, std::int32_t classCode, double x) {
  builder.addObject(id, kennung, classCode, "POINT(" + std::to_string(x) + " 50)");
}

std::int64_t MeasureProject::biotopRow(std::int32_t objectId, const std::string& code,
                                       const host::FieldValues& more) {
  host::FieldValues fields = more;
  fields["Biotoptyp"] = code;
  return builder.addRow("BtypHtyp", objectId, std::nullopt, fields);
}

void MeasureProject::species(std::int32_t objectId, const std::string& table, const std::string& field,
                             const std::vector<std::string>& names) {
  for (const std::string& name : names) builder.addRow(table, objectId, std::nullopt, {{field, name}});
}

host::Host& MeasureProject::open() {
  builder.write(dir_ / "projekt");
  host_ = std::make_unique<host::Host>(dir_ / "projekt");
  host_->loadPlugin(AGGREGATE_PLUGIN_PATH);
  return *host_;
}

std::string MeasureProject::aggregate(const std::vector<std::string>& selection) {
  host_->select(selection);
  testsupport::StderrCapture err;
  EXPECT_EQ(host_->runExport("BT_FT_FPToMAS"), -1);
  EXPECT_FALSE(host_->updateUnbalanced());
  for (const host::ObjectSummary& object : host_->objects()) EXPECT_FALSE(object.temporary) << object.kennung;
  return err.text();
}

std::vector<std::string> MeasureProject::biotopTypes(const std::string& measure) const {
  std::vector<std::string> rows;
  for (const host::Row& row : host_->rows(measure, "BtypHtyp"))
    rows.push_back(row.value("Biotoptyp") + "|" + row.value("FLAECHE") + "|" + row.value("Flaechenanteil"));
  return rows;
}

std::vector<std::string> MeasureProject::species(const std::string& measure) const {
  std::vector<std::string> rows;
  for (const host::Row& row : host_->rows(measure, "PlanungRelArten")) {
    const auto& animal = row.fields.at("PlanRel_T_Art");
    rows.push_back(animal ? "T:" + *animal : "P:" + row.value("PlanRel_P_Art"));
  }
  return rows;
}

std::vector<std::string> MeasureProject::dump(const std::string& measure) const {
  std::vector<std::string> lines;
  dumpNodes(host_->tree(measure), "", lines);
  return lines;
}

}  // namespace e2e
