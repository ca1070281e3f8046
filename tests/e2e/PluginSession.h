#pragma once
// A project written with the ProjectBuilder, opened in the simulated host with the plug-in
// loaded, and commands run on a selection with their console trace caught.
#include <gtest/gtest.h>

#include <locale>
#include <memory>
#include <string>
#include <vector>

#include "ConsoleRedirect.h"
#include "Host.h"
#include "ProjectBuilder.h"
#include "TempDir.h"

namespace e2e {

// An area as the plug-in writes it under the environment's locale ("3.5" or "3,5").
inline std::string areaText(std::string pointText) {
  const char separator = std::use_facet<std::numpunct<char>>(std::locale("")).decimal_point();
  for (char& c : pointText)
    if (c == '.') c = separator;
  return pointText;
}

// Rectangles of the given area in hectares: 100 m wide.
inline host::ProjectBuilder& addArea(host::ProjectBuilder& project, int32_t id, const std::string& kennung,
                                     int32_t classCode, double hectares) {
  return project.addRectangle(id, kennung, classCode, 0, 0, 100, hectares * 100);
}

class PluginSession : public ::testing::Test {
 protected:
  void open(const std::string& name = "projekt") {
    const auto dir = temp / name;
    project.write(dir);
    if (!host) {
      host = std::make_unique<host::Host>(dir);
      host->loadPlugin(AGGREGATE_PLUGIN_PATH);
    } else {
      host->open(dir);
    }
  }

  // Runs a command on this selection; the trace of its dialogs and windows lands in trace.
  void run(const std::string& exportName, const std::vector<std::string>& selection) {
    host->select(selection);
    testsupport::StderrCapture capture;
    EXPECT_EQ(host->runExport(exportName), -1);
    trace = capture.text();
  }

  std::vector<std::string> traceLines(const std::string& prefix) const {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < trace.size()) {
      const auto end = trace.find('\n', start);
      const std::string line =
          trace.substr(start, end == std::string::npos ? std::string::npos : end - start);
      if (line.rfind(prefix, 0) == 0) lines.push_back(line);
      if (end == std::string::npos) break;
      start = end + 1;
    }
    return lines;
  }

  std::vector<host::Row> rows(const std::string& kennung, const std::string& table) const {
    return host->rows(kennung, table);
  }
  // Detail rows of table below the parent row.
  std::vector<host::Row> below(const std::string& kennung, const std::string& table,
                               const host::Row& parent) const {
    std::vector<host::Row> children;
    for (const host::Row& row : host->rows(kennung, table))
      if (row.masterKey == parent.key) children.push_back(row);
    return children;
  }
  // A field of the row with that key.
  std::string valueOf(const std::string& kennung, const std::string& table, int64_t key,
                      const std::string& field) const {
    for (const host::Row& row : host->rows(kennung, table))
      if (row.key == key) return row.value(field);
    ADD_FAILURE() << kennung << " has no " << table << " row " << key;
    return {};
  }
  static std::vector<std::string> values(const std::vector<host::Row>& rows, const std::string& field) {
    std::vector<std::string> result;
    for (const host::Row& row : rows) result.push_back(row.value(field));
    return result;
  }

  testsupport::TempDir temp;
  host::ProjectBuilder project;
  std::unique_ptr<host::Host> host;
  std::string trace;
};

}  // namespace e2e
