#include "platform/windows/AdoConnection.h"

#include <algorithm>
#include <limits>

#include "common/LibraryError.h"
#include "platform/windows/AdoConstants.h"
#include "platform/windows/ModuleLifetime.h"

namespace aggregate::platform::win32 {

AdoConnection::AdoConnection(const std::string& connectionString)
    : connection_(DispatchObject::create(L"ADODB.Connection")) {
  connection_.put(L"ConnectionString", Variant::text(connectionString));
  switchPromptOff();
  connection_.put(L"CursorLocation", Variant::integer(ado::kUseServer));
  connection_.call(L"Open");
}

AdoConnection::~AdoConnection() {
  if (moduleDetaching()) return;
  try {
    if (connection_.get(L"State").toInteger() != ado::kStateClosed) connection_.call(L"Close");
  } catch (const LibraryError&) {  // releasing the object below closes it all the same
  }
}

// The provider's Prompt property exists once the connection string has named the provider.
// A provider without it has no way to prompt, so its absence is no failure.
void AdoConnection::switchPromptOff() {
  try {
    connection_.member(L"Properties")
        .get(L"Item", variants(Variant::text("Prompt")))
        .toObject("Prompt")
        .put(L"Value", Variant::integer(ado::kPromptNever));
  } catch (const LibraryError&) {
  }
}

AdoRecordset AdoConnection::open(const std::string& source, long commandType) {
  DispatchObject recordset = DispatchObject::create(L"ADODB.Recordset");
  recordset.put(L"CursorLocation", Variant::integer(ado::kUseServer));
  recordset.call(L"Open", variants(Variant::text(source), Variant::object(connection_),
                                   Variant::integer(ado::kOpenForwardOnly),
                                   Variant::integer(ado::kLockReadOnly), Variant::integer(commandType)));
  return AdoRecordset(std::move(recordset));
}

DispatchObject AdoConnection::commandWithParameter(const std::string& statement, const std::string& value) {
  DispatchObject command = DispatchObject::create(L"ADODB.Command");
  command.putReference(L"ActiveConnection", connection_);
  command.put(L"CommandText", Variant::text(statement));
  command.put(L"CommandType", Variant::integer(ado::kCmdText));
  const long size =
      static_cast<long>(std::clamp<std::size_t>(value.size(), 1, std::numeric_limits<long>::max()));
  Variant parameter =
      command.call(L"CreateParameter", variants(Variant::text(""), Variant::integer(ado::kVarChar),
                                                Variant::integer(ado::kParamInput), Variant::integer(size),
                                                Variant::text(value)));
  command.member(L"Parameters").call(L"Append", variants(std::move(parameter)));
  return command;
}

AdoRecordset AdoConnection::query(const std::string& statement, const std::string& value) {
  DispatchObject command = commandWithParameter(statement, value);
  return AdoRecordset(
      command
          .call(L"Execute", variants(Variant::missing(), Variant::missing(), Variant::integer(ado::kCmdText)))
          .toObject("ADODB.Recordset"));
}

void AdoConnection::execute(const std::string& statement, const std::string& value) {
  DispatchObject command = commandWithParameter(statement, value);
  command.call(L"Execute", variants(Variant::missing(), Variant::missing(),
                                    Variant::integer(ado::kCmdText | ado::kExecuteNoRecords)));
}

}  // namespace aggregate::platform::win32
