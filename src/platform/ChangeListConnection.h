#pragma once
// The project's change list, the dBase III table TA_LIST.DBF, as the platform reaches it.
// Texts are UTF-8; failures throw LibraryError.
#include <memory>
#include <string>

namespace aggregate::platform {

class ChangeListConnection {
 public:
  virtual ~ChangeListConnection() = default;
  ChangeListConnection() = default;
  ChangeListConnection(const ChangeListConnection&) = delete;
  ChangeListConnection& operator=(const ChangeListConnection&) = delete;

  // CHANGED of the first row whose KENNUNG equals kennung; empty when no row matches.
  virtual std::string changeState(const std::string& kennung) = 0;
  // Sets CHANGED to "UPDATE" in every row whose KENNUNG equals kennung.
  virtual void setChangeStateUpdate(const std::string& kennung) = 0;
};

// Opens the change list in directory (given without a trailing path delimiter).
// The connection string is what the Windows face hands to its provider. Throws on failure.
std::unique_ptr<ChangeListConnection> connectChangeList(const std::string& connectionString,
                                                        const std::string& directory);

}  // namespace aggregate::platform
