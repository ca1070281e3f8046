#include "ado/CommandObject.h"

#include "ado/JetStatement.h"
#include "ado/QueryEngine.h"
#include "ado/RecordsetObject.h"
#include "ado/Values.h"

namespace adostandin {

namespace {

constexpr int32_t kCmdText = 1;
constexpr int32_t kExecuteNoRecords = 0x80;
constexpr int32_t kVarChar = 200;
constexpr int32_t kParamInput = 1;

AdoError improperParameter() {
  return errors::code(0x800A0E7C,
                      "Parameter object is improperly defined. Inconsistent or incomplete information was "
                      "provided.");
}

}  // namespace

// CreateParameter(Name, Type, Direction, Size, Value): a text input parameter.
class ParameterObject final : public DispatchBase {
 public:
  explicit ParameterObject(const Call& call) : DispatchBase("Parameter", {L"Value", L"Size"}) {
    const VARIANT* type = call.argument(1);
    const VARIANT* direction = call.argument(2);
    const VARIANT* size = call.argument(3);
    if (type == nullptr || integerOf(type) != kVarChar ||
        (direction != nullptr && integerOf(direction) != kParamInput))
      throw errors::wrongArguments();
    size_ = size != nullptr ? integerOf(size) : 0;
    if (size_ < 0) throw errors::wrongArguments();
    if (call.argument(4) != nullptr) value_ = textOf(call.argument(4));
  }

  // The value as the statement gets it; a text longer than the declared size is refused.
  const std::string& value() const {
    if (value_.size() > static_cast<std::size_t>(size_) || size_ == 0) throw improperParameter();
    return value_;
  }

 protected:
  void invoke(const std::wstring& member, const Call& call, VARIANT* result) override {
    if (member == L"Size") {
      if (!call.puts()) return returnInteger(size_, result);
      size_ = integerOf(call.value);
    } else if (call.puts()) {
      value_ = textOf(call.value);
    } else {
      returnText(value_, result);
    }
  }

 private:
  int32_t size_ = 0;
  std::string value_;
};

namespace {

class ParametersObject final : public OwnedObject<CommandObject> {
 public:
  explicit ParametersObject(CommandObject* command)
      : OwnedObject("Parameters", {L"Append", L"Count"}, command) {}

 protected:
  void invoke(const std::wstring& member, const Call& call, VARIANT* result) override {
    if (call.puts()) throw errors::wrongArguments();
    if (member == L"Count") return returnInteger(static_cast<int32_t>(owner().parameterCount()), result);
    const VARIANT* parameter = call.argument(0);
    ParameterObject* appended = parameter != nullptr && parameter->vt == VT_DISPATCH
                                    ? dynamic_cast<ParameterObject*>(implementationOf(parameter->pdispVal))
                                    : nullptr;
    if (appended == nullptr || call.arguments.size() != 1) throw errors::wrongArguments();
    owner().append(appended);
  }
};

}  // namespace

CommandObject::CommandObject()
    : DispatchBase("Command", {L"ActiveConnection", L"CommandText", L"CommandType", L"CreateParameter",
                               L"Parameters", L"Execute"}) {}

CommandObject::~CommandObject() {
  if (connection_ != nullptr) connection_->Release();
  for (ParameterObject* parameter : parameters_) parameter->Release();
}

void CommandObject::append(ParameterObject* parameter) {
  parameter->AddRef();
  parameters_.push_back(parameter);
}

void CommandObject::invoke(const std::wstring& member, const Call& call, VARIANT* result) {
  if (member == L"ActiveConnection") {
    if (!call.puts()) throw errors::wrongArguments();
    ConnectionObject* connection =
        call.value->vt == VT_DISPATCH ? ConnectionObject::of(call.value->pdispVal) : nullptr;
    if (connection == nullptr) throw errors::connectionUnusable();
    connection->AddRef();
    if (connection_ != nullptr) connection_->Release();
    connection_ = connection;
  } else if (member == L"CommandText") {
    if (!call.puts()) return returnText(text_, result);
    text_ = textOf(call.value);
  } else if (member == L"CommandType") {
    if (!call.puts()) return returnInteger(type_, result);
    type_ = integerOf(call.value);
  } else if (member == L"CreateParameter") {
    if (call.puts()) throw errors::wrongArguments();
    returnObject(new ParameterObject(call), result);
  } else if (member == L"Parameters") {
    if (call.puts()) throw errors::wrongArguments();
    returnObject(new ParametersObject(this), result);
  } else if (member == L"Execute") {
    if (!call.calls()) throw errors::wrongArguments();
    execute(call, result);
  }
}

// Execute(RecordsAffected, Parameters, Options)
void CommandObject::execute(const Call& call, VARIANT* result) {
  if (connection_ == nullptr || !connection_->isOpen()) throw errors::connectionUnusable();
  if (call.argument(1) != nullptr) throw errors::wrongArguments();
  const int32_t options = call.argument(2) != nullptr ? integerOf(call.argument(2)) : -1;
  if (type_ != kCmdText || (options != -1 && (options & ~kExecuteNoRecords) != kCmdText))
    throw errors::wrongArguments();
  DataSource& source = connection_->source();
  const JetStatement statement = JetStatement::parse(text_, source.namesFiles());
  std::vector<std::string> values;
  for (const ParameterObject* parameter : parameters_) values.push_back(parameter->value());
  if (static_cast<std::size_t>(statement.parameterCount()) > values.size()) throw errors::missingValue();
  Table rows = runStatement(source, statement, values);
  if (options != -1 && (options & kExecuteNoRecords) != 0) return;
  auto* recordset = new RecordsetObject();
  if (statement.kind == JetStatement::Kind::Select) recordset->openOn(connection_, std::move(rows));
  returnObject(recordset, result);
}

}  // namespace adostandin
