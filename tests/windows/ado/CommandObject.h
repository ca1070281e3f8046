#pragma once
// ADODB.Command: a statement with '?' markers, its parameters, executed on a connection.
#include <string>
#include <vector>

#include "ado/ConnectionObject.h"
#include "ado/DispatchBase.h"

namespace adostandin {

class ParameterObject;

class CommandObject final : public DispatchBase {
 public:
  CommandObject();
  ~CommandObject() override;

  void append(ParameterObject* parameter);
  std::size_t parameterCount() const { return parameters_.size(); }

 protected:
  void invoke(const std::wstring& member, const Call& call, VARIANT* result) override;

 private:
  void execute(const Call& call, VARIANT* result);

  ConnectionObject* connection_ = nullptr;  // referenced
  std::string text_;
  int32_t type_ = 8;                          // adCmdUnknown
  std::vector<ParameterObject*> parameters_;  // referenced
};

}  // namespace adostandin
