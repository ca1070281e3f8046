// Windows face of the change list: TA_LIST.DBF through ADO and the provider's dBase driver.
#include <memory>

#include "platform/ChangeListConnection.h"
#include "platform/windows/AdoConnection.h"

namespace aggregate::platform {

namespace {

class AdoChangeList final : public ChangeListConnection {
 public:
  explicit AdoChangeList(const std::string& connectionString) : connection_(connectionString) {}

  std::string changeState(const std::string& kennung) override {
    const auto states =
        connection_.query("select CHANGED from TA_LIST.DBF where KENNUNG = ?", kennung).firstColumn(1);
    return states.empty() ? std::string() : states.front();
  }

  void setChangeStateUpdate(const std::string& kennung) override {
    connection_.execute("update TA_LIST.DBF set CHANGED = 'UPDATE' where KENNUNG = ?", kennung);
  }

 private:
  win32::AdoConnection connection_;
};

}  // namespace

std::unique_ptr<ChangeListConnection> connectChangeList(
    const std::string& connectionString, const std::string& /*directory: named in the string*/) {
  return std::make_unique<AdoChangeList>(connectionString);
}

}  // namespace aggregate::platform
