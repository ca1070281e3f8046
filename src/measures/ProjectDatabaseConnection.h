#pragma once
// The measure run's connection to the project database the host names: the rows of other
// objects are found there and read through the host by key. Texts are Windows-1252.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ProjectDatabase.h"

namespace aggregate {

class ProjectDatabaseConnection {
 public:
  // Connects, checks the tables and fields the queries read, and opens the tables the run writes
  // to. Shows an error and returns false when no connection could be made or a queried table or
  // field is missing; true once connected, even when a table written to is missing (that is
  // reported too).
  bool open();
  void close() { database_.reset(); }

  // Keys of the object's rows of the table, in the database's order. Throws when not connected.
  std::vector<int32_t> keysOfObject(const std::string& table, int32_t objectId);
  // The field of each of the object's rows; a NULL value gives an empty text.
  std::vector<std::string> valuesOfObject(const std::string& table, const std::string& field,
                                          int32_t objectId);

 private:
  platform::ProjectDatabase& connected();

  std::unique_ptr<platform::ProjectDatabase> database_;
};

}  // namespace aggregate
