#pragma once
// ADODB.Recordset: a forward-only cursor over a table or a statement's rows.
#include <optional>
#include <string>

#include "ado/ConnectionObject.h"
#include "ado/DispatchBase.h"
#include "ado/Table.h"

namespace adostandin {

class RecordsetObject final : public DispatchBase {
 public:
  RecordsetObject();
  ~RecordsetObject() override;

  // Opens it on rows already read through connection; used by Command.Execute.
  void openOn(ConnectionObject* connection, Table rows);
  // The current row's cell; throws AdoError when there is none or the recordset is closed.
  const Cell& cell(std::size_t column) const;
  // The open rows; throws AdoError when closed.
  const Table& rows() const;

 protected:
  void invoke(const std::wstring& member, const Call& call, VARIANT* result) override;

 private:
  bool isOpen() const { return rows_.has_value() && connection_ != nullptr && connection_->isOpen(); }
  void open(const Call& call);
  void close();

  int32_t cursorLocation_ = 2;
  ConnectionObject* connection_ = nullptr;  // referenced while open
  std::optional<Table> rows_;
  std::size_t current_ = 0;
};

}  // namespace adostandin
