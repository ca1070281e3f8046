#pragma once
// An open ADO connection with server-side cursors and no login prompt.
#include <string>

#include "platform/windows/AdoRecordset.h"
#include "platform/windows/ComApartment.h"
#include "platform/windows/DispatchObject.h"

namespace aggregate::platform::win32 {

class AdoConnection {
 public:
  // Opens the connection; throws LibraryError with the provider's description on failure.
  explicit AdoConnection(const std::string& connectionString);
  ~AdoConnection();  // closes the connection
  AdoConnection(const AdoConnection&) = delete;
  AdoConnection& operator=(const AdoConnection&) = delete;

  // A forward-only, read-only recordset of a table (ado::kCmdTable) or a statement (ado::kCmdText).
  AdoRecordset open(const std::string& source, long commandType);
  // A statement with one '?' marker, given value as a text parameter: never spliced into the
  // statement, so no quote in value can break it.
  AdoRecordset query(const std::string& statement, const std::string& value);
  void execute(const std::string& statement, const std::string& value);

 private:
  DispatchObject commandWithParameter(const std::string& statement, const std::string& value);
  void switchPromptOff();

  ComApartment apartment_;  // first member: COM stays usable until the objects below are released
  DispatchObject connection_;
};

}  // namespace aggregate::platform::win32
