// The cursor contract against the test host's tlAPI32.dll: every object is a fresh project.
#include "CursorContract.h"
#include "HostFixture.h"
#include "hostdata/ObjectClasses.h"

namespace plugintests {

namespace {

class TestHost : public contract::HostUnderTest {
 public:
  TestHost(const Context& context, wintest::Checks& checks) : context_(context), checks_(checks) {}

  void activateObjectWithRows(const std::vector<std::string>& biotoptypen) override {
    testhost::TestProject& project = context_.freshProject();
    const int32_t id = project.addObject("BT-1", aggregate::kClassBT, 1.0);
    for (const std::string& biotoptyp : biotoptypen)
      project.addRow(id, "BtypHtyp", {{"Biotoptyp", biotoptyp}});
    project.activate(id);
  }
  void check(bool condition, const std::string& what) override { checks_.that(condition, what); }

 private:
  const Context& context_;
  wintest::Checks& checks_;
};

}  // namespace

void contractTests(Context& context) {
  context.run.group("cursor contract");
  for (const contract::ContractCase& contractCase : contract::CursorContractCases()) {
    context.run.run(contractCase.name, [&](wintest::Checks& checks) {
      TestHost host(context, checks);
      contractCase.run(host);
    });
  }
}

}  // namespace plugintests
