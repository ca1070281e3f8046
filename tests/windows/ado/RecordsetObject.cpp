#include "ado/RecordsetObject.h"

#include "ado/JetStatement.h"
#include "ado/QueryEngine.h"
#include "ado/Values.h"

namespace adostandin {

namespace {

constexpr int32_t kCmdText = 1;
constexpr int32_t kCmdTable = 2;

void returnCell(const Cell& cell, VARIANT* result) {
  if (result == nullptr) return;
  if (std::holds_alternative<int32_t>(cell)) return returnInteger(std::get<int32_t>(cell), result);
  if (std::holds_alternative<std::string>(cell)) return returnText(std::get<std::string>(cell), result);
  result->vt = VT_NULL;
}

class FieldObject final : public OwnedObject<RecordsetObject> {
 public:
  FieldObject(RecordsetObject* recordset, std::size_t column)
      : OwnedObject("Field", {L"Value", L"Name"}, recordset), column_(column) {}

 protected:
  void invoke(const std::wstring& member, const Call& call, VARIANT* result) override {
    if (call.puts()) throw errors::wrongArguments();
    if (member == L"Name") return returnText(owner().rows().columns[column_].name, result);
    returnCell(owner().cell(column_), result);
  }

 private:
  std::size_t column_;
};

class FieldsObject final : public OwnedObject<RecordsetObject> {
 public:
  explicit FieldsObject(RecordsetObject* recordset) : OwnedObject("Fields", {L"Item", L"Count"}, recordset) {}

 protected:
  void invoke(const std::wstring& member, const Call& call, VARIANT* result) override {
    if (call.puts()) throw errors::wrongArguments();
    const Table& rows = owner().rows();
    if (member == L"Count") return returnInteger(static_cast<int32_t>(rows.columns.size()), result);
    const VARIANT* which = call.argument(0);
    if (which == nullptr || call.arguments.size() != 1) throw errors::wrongArguments();
    std::optional<std::size_t> column;
    if (which->vt == VT_BSTR) {
      column = rows.column(textOf(which));
    } else {
      const int32_t index = integerOf(which);
      if (index >= 0 && static_cast<std::size_t>(index) < rows.columns.size())
        column = static_cast<std::size_t>(index);
    }
    if (!column) throw errors::itemNotFound();
    returnObject(new FieldObject(&owner(), *column), result);
  }
};

}  // namespace

RecordsetObject::RecordsetObject()
    : DispatchBase("Recordset",
                   {L"CursorLocation", L"Open", L"Close", L"State", L"EOF", L"BOF", L"Fields", L"MoveNext"}) {
}

RecordsetObject::~RecordsetObject() { close(); }

void RecordsetObject::openOn(ConnectionObject* connection, Table rows) {
  connection->AddRef();
  connection_ = connection;
  rows_ = std::move(rows);
  current_ = 0;
}

const Table& RecordsetObject::rows() const {
  if (!isOpen()) throw errors::objectClosed();
  return *rows_;
}

const Cell& RecordsetObject::cell(std::size_t column) const {
  const Table& table = rows();
  if (current_ >= table.rows.size()) throw errors::noCurrentRecord();
  return table.rows[current_][column];
}

void RecordsetObject::close() {
  rows_.reset();
  if (connection_ != nullptr) connection_->Release();
  connection_ = nullptr;
}

// Open(Source, ActiveConnection, CursorType, LockType, Options)
void RecordsetObject::open(const Call& call) {
  if (isOpen()) throw errors::objectOpen();
  const std::string source = textOf(call.argument(0));
  const VARIANT* connectionArgument = call.argument(1);
  ConnectionObject* connection = connectionArgument != nullptr && connectionArgument->vt == VT_DISPATCH
                                     ? ConnectionObject::of(connectionArgument->pdispVal)
                                     : nullptr;
  if (connection == nullptr || !connection->isOpen()) throw errors::connectionUnusable();
  const int32_t cursorType = call.argument(2) != nullptr ? integerOf(call.argument(2)) : 0;
  const int32_t lockType = call.argument(3) != nullptr ? integerOf(call.argument(3)) : 1;
  const int32_t options = call.argument(4) != nullptr ? integerOf(call.argument(4)) : -1;
  if (cursorType < 0 || cursorType > 3 || lockType < 1 || lockType > 4) throw errors::wrongArguments();
  Table rows;
  if (options == kCmdTable) {
    rows = openTable(connection->source(), source);
  } else if (options == kCmdText) {
    const JetStatement statement = JetStatement::parse(source, connection->source().namesFiles());
    if (statement.parameterCount() > 0) throw errors::missingValue();
    rows = runStatement(connection->source(), statement, {});
  } else {
    throw errors::wrongArguments();
  }
  close();
  openOn(connection, std::move(rows));
}

void RecordsetObject::invoke(const std::wstring& member, const Call& call, VARIANT* result) {
  if (member == L"CursorLocation") {
    if (!call.puts()) return returnInteger(cursorLocation_, result);
    if (isOpen()) throw errors::objectOpen();
    cursorLocation_ = integerOf(call.value);
    if (cursorLocation_ != 2 && cursorLocation_ != 3) throw errors::wrongArguments();
    return;
  }
  if (call.puts()) throw errors::wrongArguments();
  if (member == L"Open") return open(call);
  if (member == L"State") return returnInteger(isOpen() ? 1 : 0, result);
  if (!isOpen()) throw errors::objectClosed();
  if (member == L"Close") {
    close();
  } else if (member == L"EOF") {
    returnBoolean(current_ >= rows_->rows.size(), result);
  } else if (member == L"BOF") {
    returnBoolean(rows_->rows.empty(), result);
  } else if (member == L"Fields") {
    returnObject(new FieldsObject(this), result);
  } else if (member == L"MoveNext") {
    if (current_ >= rows_->rows.size()) throw errors::noCurrentRecord();
    ++current_;
  }
}

}  // namespace adostandin
