// The area balance command on single objects in the simulated host: completed rows, the one
// warning message as its console trace, and the sums on the row where the walk ended.
#include <optional>
#include <string>
#include <vector>

#include "ClassCodes.h"
#include "PluginSession.h"

namespace {

using e2e::addArea;
using e2e::areaText;

struct AreaRow {
  std::optional<std::string> flaeche;
  std::optional<std::string> anteil;
};

class AreaBalance : public e2e::PluginSession {
 protected:
  // Starts a new project of the one object "OBJ"; gives its row keys.
  std::vector<int64_t> object(int32_t classCode, double hectares, const std::vector<AreaRow>& rows) {
    project = host::ProjectBuilder{};
    addArea(project, 1, "OBJ", classCode, hectares);
    std::vector<int64_t> keys;
    for (const AreaRow& row : rows)
      keys.push_back(project.addRow("BtypHtyp", 1, std::nullopt,
                                    {{"FLAECHE", row.flaeche}, {"Flaechenanteil", row.anteil}}));
    return keys;
  }

  // Runs the command on the object; gives its console trace.
  std::string balance() {
    host->setActive("OBJ");
    host->resetCallCounts();
    run("BerechneBTFlaechen", {});
    return trace;
  }

  std::string value(int64_t key, const std::string& field) const {
    return valueOf("OBJ", "BtypHtyp", key, field);
  }

  static std::string warning(const std::vector<std::string>& lines) {
    std::string text = "[Warnung] " + lines.at(0) + "\n";
    for (std::size_t i = 1; i < lines.size(); ++i) text += "  " + lines[i] + "\n";
    return text;
  }
};

TEST_F(AreaBalance, MissingFiguresAreCompletedAndTheSumsWritten) {
  const auto keys = object(host::kClassGB, 4, {{"1", std::nullopt}, {std::nullopt, "75"}});
  open();
  EXPECT_EQ(balance(), "");
  EXPECT_EQ(value(keys[0], "Flaechenanteil"), "25");
  EXPECT_EQ(value(keys[1], "FLAECHE"), "3");
  EXPECT_EQ(value(keys[1], "Ges_Fl"), "4");
  EXPECT_EQ(value(keys[1], "Ges_Proz"), "100");
}

TEST_F(AreaBalance, HectaresWinOverAStoredPercentage) {
  const auto keys = object(host::kClassBK, 10, {{"2", "10"}});
  open();
  balance();
  EXPECT_EQ(value(keys[0], "Flaechenanteil"), "20");
}

TEST_F(AreaBalance, SumsNearAHundredPercentAreSnapped) {
  for (const std::string percent : {"99.9", "99.95", "100.1"}) {
    SCOPED_TRACE(percent);
    const auto keys = object(host::kClassGB, 100, {{std::nullopt, percent}});
    open(percent);
    EXPECT_EQ(balance(), "");
    EXPECT_EQ(value(keys[0], "Ges_Proz"), "100");
  }
}

// Sums equal in decimal are judged equal, whatever their last binary digit says.
TEST_F(AreaBalance, LimitsAreJudgedAtThePrecisionTheFiguresAreWrittenIn) {
  struct Case {
    double total;
    std::vector<std::string> shares;
    std::string sumOfShares;
  };
  for (const Case& c : {Case{100, {"0.4", "99.7"}, "100"}, Case{100, {"60", "40.1"}, "100"},
                        Case{100, {"0.1", "99.8"}, "100"}, Case{4, {"33.4", "33.4", "33.3"}, "100"}}) {
    std::vector<AreaRow> rows;
    for (const std::string& share : c.shares) rows.push_back({std::nullopt, share});
    const auto keys = object(host::kClassGB, c.total, rows);
    open(c.shares[0] + "-" + c.shares[1]);
    EXPECT_EQ(balance(), "") << c.shares[0] << " + " << c.shares[1];
    EXPECT_EQ(value(keys.back(), "Ges_Proz"), c.sumOfShares);
  }
}

// 1e307 ha give a share beyond the largest double; "INF" is read as no area.
TEST_F(AreaBalance, AFigureThatIsNoFiniteNumberIsRefusedAndNothingNonFiniteWritten) {
  const auto keys =
      object(host::kClassGB, 4, {{"INF", std::nullopt}, {"1e307", std::nullopt}, {"4", std::nullopt}});
  open();
  EXPECT_EQ(balance(),
            warning({"Es gibt 1 BT-Datensätze ohne Flächenangabe.",
                     "Es gibt 1 BT-Datensätze, deren Fläche oder Flächenanteil keine endliche Zahl "
                     "ist; sie wurden nicht umgerechnet."}));
  EXPECT_EQ(value(keys[0], "Flaechenanteil"), "");
  EXPECT_EQ(value(keys[1], "Flaechenanteil"), "");
  EXPECT_EQ(value(keys[2], "Ges_Fl"), "4");
  EXPECT_EQ(value(keys[2], "Ges_Proz"), "100");
}

TEST_F(AreaBalance, ExcessIsShownAndSummedInTheUsersNotation) {
  const auto keys = object(host::kClassGB, 100, {{std::nullopt, "100.2"}});
  open();
  const std::string sum = areaText("100.2");
  EXPECT_EQ(balance(), warning({" Die Summe der Flächenanteile ist zu groß (" + sum + " %)",
                                " Die Summe der Teilflächen ist zu groß (" + sum + " ha gegen 100 ha)"}));
  EXPECT_EQ(value(keys[0], "Ges_Proz"), sum);
  EXPECT_EQ(value(keys[0], "FLAECHE"), "100.2");
}

TEST_F(AreaBalance, BKToleratesWhatGBReportsAsTooSmall) {
  object(host::kClassBK, 100, {{std::nullopt, "91"}});
  open();
  EXPECT_EQ(balance(), "");
}

TEST_F(AreaBalance, GBReportsNinetyOnePercentTwice) {
  object(host::kClassGB, 100, {{std::nullopt, "91"}});
  open();
  EXPECT_EQ(balance(), warning({" Die Summe der Flächenanteile ist zu klein (91 %)",
                                " Die Summe der Teilflächen ist zu klein (91 ha gegen 100 ha)"}));
}

TEST_F(AreaBalance, FSNIsNeverTooSmall) {
  object(host::kClassFSN, 4, {{"2", std::nullopt}});
  open();
  EXPECT_EQ(balance(), "");
}

TEST_F(AreaBalance, FSNWithTooMuchAreaIsWarned) {
  object(host::kClassFSN, 4, {{"5", std::nullopt}});
  open();
  EXPECT_EQ(balance(), warning({" Die Summe der Flächenanteile ist zu groß (125 %)",
                                " Die Summe der Teilflächen ist zu groß (5 ha gegen 4 ha)"}));
}

TEST_F(AreaBalance, WithoutRowsBKAndGBAreTooSmall) {
  for (const int32_t classCode : {host::kClassBK, host::kClassGB}) {
    object(classCode, 4, {});
    open(std::to_string(classCode));
    EXPECT_EQ(balance(), warning({" Die Summe der Flächenanteile ist zu klein (0 %)",
                                  " Die Summe der Teilflächen ist zu klein (0 ha gegen 4 ha)"}));
    EXPECT_EQ(host->callCount("tlSetValueByName"), 2) << "both sums are written";
  }
}

TEST_F(AreaBalance, WithoutRowsFSNIsSilent) {
  object(host::kClassFSN, 4, {});
  open();
  EXPECT_EQ(balance(), "");
  EXPECT_EQ(host->callCount("tlSetValueByName"), 2);
}

TEST_F(AreaBalance, RowsWithoutAreaAreCountedInOneLine) {
  object(host::kClassGB, 4, {{}, {"0", "-1"}, {"", "keine"}, {std::nullopt, "100"}});
  open();
  EXPECT_EQ(balance(), warning({"Es gibt 3 BT-Datensätze ohne Flächenangabe."}));
}

TEST_F(AreaBalance, AllChecksFormOneMessageInOrder) {
  object(host::kClassGB, 4, {{}, {std::nullopt, "50"}});
  open();
  EXPECT_EQ(balance(), warning({"Es gibt 1 BT-Datensätze ohne Flächenangabe.",
                                " Die Summe der Flächenanteile ist zu klein (50 %)",
                                " Die Summe der Teilflächen ist zu klein (2 ha gegen 4 ha)"}));
}

TEST_F(AreaBalance, OtherClassesAreLeftAlone) {
  for (const int32_t classCode : {host::kClassBT, host::kClassMAS}) {
    const auto keys = object(classCode, 4, {{"1", std::nullopt}});
    open(std::to_string(classCode));
    EXPECT_EQ(balance(), "");
    EXPECT_EQ(value(keys[0], "Flaechenanteil"), "");
    EXPECT_EQ(host->callCount("tlSetValueByName"), 0);
  }
}

TEST_F(AreaBalance, NotifiedOwnWritesChangeNothingAndDoNotRecurse) {
  const std::vector<AreaRow> rows = {{"1", std::nullopt}, {std::nullopt, "50"}, {"1", "10"}};
  object(host::kClassGB, 4, rows);
  open("quiet");
  balance();
  const auto expected = this->rows("OBJ", "BtypHtyp");
  object(host::kClassGB, 4, rows);
  open("notified");
  host->setNotifyOwnWrites(true);
  EXPECT_EQ(balance(), "");

  const auto actual = this->rows("OBJ", "BtypHtyp");
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_EQ(actual[i].fields, expected[i].fields) << i;
  EXPECT_EQ(host->callCount("tlSetValueByName"), 5);
  EXPECT_EQ(host->callCount("tlGetActiveGeoObject"), 1) << "a notified handler did work";
}

TEST_F(AreaBalance, DoesNothingWhileAHandlerHoldsBusyFlag) {
  // A command attached to a field is how the balance can be started while a handler writes.
  const auto keys = object(host::kClassGB, 4, {{std::nullopt, std::nullopt}, {std::nullopt, "75"}});
  project.setHandlers(
      {{"BtypHtyp.Flaechenanteil", "FlaechenanteilChanged"}, {"BtypHtyp.FLAECHE", "BerechneBTFlaechen"}});
  open();
  host->setNotifyOwnWrites(true);
  host->editField("OBJ", "BtypHtyp", keys[0], "Flaechenanteil", "25");
  EXPECT_EQ(value(keys[1], "FLAECHE"), "");
  EXPECT_EQ(value(keys[1], "Ges_Proz"), "");
  EXPECT_EQ(host->callCount("tlTableFirst"), 0);
  EXPECT_EQ(host->callCount("tlGetActiveGeoObject"), 1);
}

}  // namespace
