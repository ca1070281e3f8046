// Windows face of the project database: the Jet database reached through ADO with the
// connection string the caller built. Each question becomes a select statement of two lines; a
// failure is told with the provider's text and code.
#include <limits>
#include <memory>

#include "platform/ProjectDatabase.h"
#include "platform/windows/AdoConnection.h"
#include "platform/windows/AdoConstants.h"
#include "platform/windows/ComError.h"

namespace aggregate::platform {

namespace {

std::string whereObject(int32_t objectId) { return "\r\nwhere TOLVARID = " + std::to_string(objectId); }

class AdoProjectDatabase final : public ProjectDatabase {
 public:
  explicit AdoProjectDatabase(const std::string& connectionString)
      : connection_(told([&] { return win32::AdoConnection(connectionString); })) {}

  void openTable(const std::string& table) override {
    tables_.push_back(told([&] { return connection_.open(table, win32::ado::kCmdTable); }));
  }

  std::vector<std::string> valuesOfObject(const std::string& table, const std::string& field,
                                          int32_t objectId) override {
    return told([&] {
      return connection_
          .open("select " + field + " from " + table + whereObject(objectId), win32::ado::kCmdText)
          .firstColumn(std::numeric_limits<std::size_t>::max());
    });
  }

 private:
  template <class Access>
  static auto told(const Access& access) -> decltype(access()) {
    try {
      return access();
    } catch (const win32::ComFailure& failure) {
      throw LibraryError(failure.forUser());
    }
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
