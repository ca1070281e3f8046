#pragma once
// What a connection string opens, checked as the Jet provider checks it: the test host's
// project database (the attribute tables of its objects) or a folder of dBase tables.
#include <memory>
#include <string>

#include "ado/Table.h"

namespace adostandin {

class DataSource {
 public:
  virtual ~DataSource() = default;
  // Throws AdoError: unknown provider or ISAM, a data source that does not exist.
  static std::unique_ptr<DataSource> open(const std::string& connectionString);

  virtual bool namesFiles() const = 0;  // dBase: tables are files, named with their extension
  // The whole table; throws AdoError when there is no such table or it cannot be read.
  virtual Table table(const std::string& name) = 0;
  // Writes a text cell of a row that table() returned.
  virtual void setText(const Table& table, std::size_t row, std::size_t column, const std::string& value) = 0;
};

}  // namespace adostandin
