// Windows face of the project database: the Jet database reached through ADO with the
// connection string the caller built. Each question becomes a select statement of two lines.
#include <limits>
#include <memory>

#include "platform/ProjectDatabase.h"
#include "platform/windows/AdoConnection.h"
#include "platform/windows/AdoConstants.h"

namespace aggregate::platform {

namespace {

std::string whereObject(int32_t objectId) { return "\r\nwhere TOLVARID = " + std::to_string(objectId); }

class AdoProjectDatabase final : public ProjectDatabase {
 public:
  explicit AdoProjectDatabase(const std::string& connectionString) : connection_(connectionString) {}

  void openTable(const std::string& table) override {
    tables_.push_back(connection_.open(table, win32::ado::kCmdTable));
  }

  std::vector<std::string> valuesOfObject(const std::string& table, const std::string& field,
                                          int32_t objectId) override {
    return firstColumn("select " + field + " from " + table + whereObject(objectId));
  }

 private:
  std::vector<std::string> firstColumn(const std::string& statement) {
    return connection_.open(statement, win32::ado::kCmdText)
        .firstColumn(std::numeric_limits<std::size_t>::max());
  }

  win32::AdoConnection connection_;
  std::vector<win32::AdoRecordset> tables_;  // stay open as long as the connection, closed before it
};

}  // namespace

std::unique_ptr<ProjectDatabase> connectProjectDatabase(const std::string& connectionString,
                                                        const std::string& /*path: named in the string*/) {
  return std::make_unique<AdoProjectDatabase>(connectionString);
}

}  // namespace aggregate::platform
