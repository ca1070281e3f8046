// The decimal separator as tolvar's environment names it: only the numeric category decides,
// and only a separator that the host's 8-bit texts can hold is used.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "TempDir.h"

namespace {

class RegionalSettings : public ::testing::Test {
 protected:
  // The transfer of the demo project under this environment; tolvar's output.
  std::string transferUnder(const std::string& environment) {
    const auto project = testsupport::copyProject(DEMO_PROJECT_DIR, temp);
    const auto output = temp.path() / "output.txt";
    const std::string command = "env -u LC_ALL -u LC_NUMERIC -u LANG " + environment + " '" +
                                TOLVAR_CLI_PATH + "' '" + project.string() +
                                "' select BT-001 BT-002 GB-001 , run BTToGB , tree GB-001 > '" +
                                output.string() + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(output, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  testsupport::TempDir temp;
};

TEST_F(RegionalSettings, AMissingTimeLocaleKeepsTheGermanComma) {
  const std::string output = transferUnder("LANG=de_DE.UTF-8 LC_TIME=xx_XX.UTF-8");
  EXPECT_NE(output.find("Biotoptyp=xGMF, FLAECHE=3,5,"), std::string::npos) << output;
}

// ps_AF separates decimals with U+066B, two bytes in UTF-8 and none in Windows-1252.
TEST_F(RegionalSettings, ASeparatorWindows1252CannotHoldFallsBackToThePoint) {
  const auto locales = temp.path() / "locales";
  const std::string build = "localedef -i ps_AF -f UTF-8 '" + (locales / "ps_AF.UTF-8").string() + "'";
  std::filesystem::create_directories(locales);
  ASSERT_EQ(std::system(build.c_str()), 0) << build;
  // glibc's newlocale keeps the LOCPATH list it splits; that is not the plug-in's to free.
  const std::string output =
      transferUnder("ASAN_OPTIONS=detect_leaks=0 LOCPATH='" + locales.string() + "' LANG=ps_AF.UTF-8");
  EXPECT_NE(output.find("Biotoptyp=xGMF, FLAECHE=3.5,"), std::string::npos) << output;
  EXPECT_EQ(output.find('\xD9'), std::string::npos) << "no first byte of the Arabic separator";
}

}  // namespace
