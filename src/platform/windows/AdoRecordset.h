#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "platform/windows/DispatchObject.h"

namespace aggregate::platform::win32 {

// An open ADO recordset; closed when the object goes, also after a failure.
class AdoRecordset {
 public:
  explicit AdoRecordset(DispatchObject recordset) : recordset_(std::move(recordset)) {}
  ~AdoRecordset();
  AdoRecordset(AdoRecordset&&) noexcept = default;
  AdoRecordset& operator=(AdoRecordset&&) = delete;
  AdoRecordset(const AdoRecordset&) = delete;
  AdoRecordset& operator=(const AdoRecordset&) = delete;

  // The first column as UTF-8 text of each row from the current one on, at most
  // maxRows of them; NULL gives an empty text.
  std::vector<std::string> firstColumn(std::size_t maxRows);

 private:
  DispatchObject recordset_;
};

}  // namespace aggregate::platform::win32
