#pragma once
// ADODB.Connection: the connection string, the provider's Prompt property, Open and Close.
#include <memory>
#include <string>

#include "ado/DataSource.h"
#include "ado/DispatchBase.h"

namespace adostandin {

class ConnectionObject final : public DispatchBase {
 public:
  ConnectionObject();

  bool isOpen() const { return source_ != nullptr; }
  // The open data source; throws AdoError when the connection is not open.
  DataSource& source();
  // The provider's own properties exist once the connection string names it.
  bool namesProvider() const;
  void setPrompt(int32_t prompt) { prompt_ = prompt; }
  int32_t prompt() const { return prompt_; }

  // The connection object behind a COM pointer of this server, or null.
  static ConnectionObject* of(IUnknown* object);

 protected:
  void invoke(const std::wstring& member, const Call& call, VARIANT* result) override;

 private:
  std::string connectionString_;
  int32_t cursorLocation_ = 2;  // adUseServer
  int32_t prompt_ = 2;          // adPromptComplete until switched off
  std::unique_ptr<DataSource> source_;
};

}  // namespace adostandin
