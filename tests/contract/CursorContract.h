// The table-cursor rules of TolvarApi.h that every host keeps, checked through the host API
// alone. One suite for every test host: each host's test program says how it makes an object
// with rows and how it records a failed check.
#pragma once

#include <string>
#include <vector>

namespace contract {

class HostUnderTest {
 public:
  virtual ~HostUnderTest() = default;
  // Makes an object whose BtypHtyp rows hold these Biotoptyp texts, in this order, and makes it
  // the active object. Its other tables are empty.
  virtual void activateObjectWithRows(const std::vector<std::string>& biotoptypen) = 0;
  // Records a failed check; the case goes on.
  virtual void check(bool condition, const std::string& what) = 0;
};

struct ContractCase {
  const char* name;
  void (*run)(HostUnderTest& host);
};

const std::vector<ContractCase>& CursorContractCases();

}  // namespace contract
