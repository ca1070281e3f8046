// The cursor contract against the simulated host: every object is a fresh project on disk.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "ClassCodes.h"
#include "CursorContract.h"
#include "Host.h"
#include "ProjectBuilder.h"
#include "TempDir.h"
#include "TolvarApi.h"

namespace contract {
// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ContractCase& contractCase, std::ostream* out) { *out << contractCase.name; }
}  // namespace contract

namespace {

class SimulatedHost : public contract::HostUnderTest {
 public:
  void activateObjectWithRows(const std::vector<std::string>& biotoptypen) override {
    host_.reset();
    const std::filesystem::path dir = temp_ / ("projekt" + std::to_string(++projects_));
    host::ProjectBuilder project;
    project.addRectangle(1, "BT-1", host::kClassBT, 0, 0, 100, 100);
    for (const std::string& biotoptyp : biotoptypen)
      project.addRow("BtypHtyp", 1, std::nullopt, {{"Biotoptyp", biotoptyp}});
    project.write(dir);
    host_ = std::make_unique<host::Host>(dir);
    ASSERT_NE(tlSetActiveObject(1), 0);
  }
  void check(bool condition, const std::string& what) override { EXPECT_TRUE(condition) << what; }

 private:
  testsupport::TempDir temp_;
  int projects_ = 0;
  std::unique_ptr<host::Host> host_;
};

class CursorContract : public ::testing::TestWithParam<contract::ContractCase> {};

TEST_P(CursorContract, Holds) {
  SimulatedHost host;
  GetParam().run(host);
}

INSTANTIATE_TEST_SUITE_P(SimulatedHost, CursorContract, ::testing::ValuesIn(contract::CursorContractCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
