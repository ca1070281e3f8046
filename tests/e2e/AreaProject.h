// Projects of single mapped objects with biotope-type rows, opened in the simulated host with the
// plug-in loaded, for the area handlers and the area balance.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <locale>
#include <map>
#include <memory>
#include <string>

#include "Host.h"
#include "ProjectBuilder.h"
#include "TempDir.h"

class AreaProject {
 public:
  // A rectangle of the given area, or no geometry at all for 0 ha.
  std::int32_t addObject(const std::string& kennung, std::int32_t classCode, double hectares) {
    const std::int32_t id = ++lastId_;
    if (hectares > 0) {
      builder_.addRectangle(id, kennung, classCode, 0, 0, 100, hectares * 100);
    } else {
      builder_.addObject(id, kennung, classCode, "");
    }
    return id;
  }

  std::int64_t addRow(std::int32_t objectId, const host::FieldValues& fields) {
    return builder_.addRow("BtypHtyp", objectId, std::nullopt, fields);
  }

  void attachHandlers(const std::map<std::string, std::string>& handlers) { builder_.setHandlers(handlers); }

  host::Host& open() {
    const auto project = dir_ / "project";
    builder_.write(project);
    host_ = std::make_unique<host::Host>(project);
    host_->loadPlugin(AGGREGATE_PLUGIN_PATH);
    return *host_;
  }

  host::Host& host() { return *host_; }

  std::string valueOf(const std::string& kennung, std::int64_t key, const std::string& field) const {
    for (const host::Row& row : host_->rows(kennung, "BtypHtyp")) {
      if (row.key == key) return row.value(field);
    }
    ADD_FAILURE() << kennung << " has no row " << key;
    return {};
  }

  // The decimal separator of the environment's locale, which the plug-in follows.
  static char userSeparator() { return std::use_facet<std::numpunct<char>>(std::locale("")).decimal_point(); }
  static std::string userNumber(const std::string& whole, const std::string& fraction) {
    return whole + userSeparator() + fraction;
  }

 private:
  testsupport::TempDir dir_;
  host::ProjectBuilder builder_;
  std::unique_ptr<host::Host> host_;
  std::int32_t lastId_ = 0;
};
