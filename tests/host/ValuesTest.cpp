// Reading and writing values: names, NULL, buffer limits, keys across objects, Windows-1252.
#include <cstring>

#include "HostTestProject.h"

namespace hosttest {
namespace {

using Values = HostTest;

TEST_F(Values, TableAndFieldNamesCompareWithoutCase) {
  activate("BT-1");
  tlTableFirst("btyphtyp");
  EXPECT_EQ(value("BTYPHTYP", "biotoptyp"), "WBA");
  EXPECT_EQ(value("BtypHtyp", "PKey"), std::to_string(keys.wba));
  EXPECT_EQ(value("BtypHtyp", "pkey"), std::to_string(keys.wba));
  EXPECT_NE(tlSetValueByName("BTYPHTYP", "bemerkung", "klein"), 0);
  EXPECT_EQ(host.rows("BT-1", "BtypHtyp")[0].value("Bemerkung"), "klein");
}

TEST_F(Values, NullReadsAsEmptyTextWhileMissingFieldsAndRowsGiveNoValue) {
  activate("BT-1");
  tlTableFirst("BtypHtyp");
  EXPECT_EQ(value("BtypHtyp", "P62_Typ"), "");
  EXPECT_EQ(value("BtypHtyp", "Unbekannt"), "<none>");
  EXPECT_EQ(value("LINFOS2", "MASTERKEY"), "<none>");  // root tables have no such column
  EXPECT_EQ(value("LINFOS2", "OffFlaech"), "<none>");  // BT-1 has no LINFOS2 row
  EXPECT_EQ(tlSetValueByName("BtypHtyp", "Unbekannt", "x"), 0);
  EXPECT_EQ(tlSetValueByName("LINFOS2", "OffFlaech", "1"), 0);
}

TEST_F(Values, KeyColumnsAreReadOnly) {
  activate("BT-1");
  tlTableFirst("BtypHtyp");
  EXPECT_EQ(tlSetValueByName("BtypHtyp", "PKEY", "5"), 0);
  EXPECT_EQ(tlSetValueByName("BtypHtyp", "TOLVARID", "2"), 0);
  EXPECT_EQ(tlSetValueByPKEY(static_cast<int32_t>(keys.h), "Zusatzcodes", "MASTERKEY", "2"), 0);
  EXPECT_EQ(value("BtypHtyp", "TOLVARID"), "1");
}

TEST_F(Values, HostWritesAtMostTheCountOfCharactersAndTheZero) {
  activate("BT-1");
  tlTableFirst("BtypHtyp");
  tlSetValueByName("BtypHtyp", "Bemerkung", "Hainsimsen-Buchenwald");
  char buffer[16];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_NE(tlGetValueByName("BtypHtyp", "Bemerkung", buffer, 5), 0);
  EXPECT_STREQ(buffer, "Hains");
  EXPECT_EQ(buffer[6], '#');

  std::memset(buffer, '#', sizeof buffer);
  EXPECT_NE(tlGetValueByPKEY(static_cast<int32_t>(keys.wba), "BtypHtyp", "Biotoptyp", buffer, 0), 0);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(buffer[1], '#');
  EXPECT_EQ(tlGetValueByName("BtypHtyp", "Biotoptyp", buffer, -1), 0);
  EXPECT_EQ(tlGetValueByName("BtypHtyp", "Biotoptyp", nullptr, 10), 0);

  char kennung[130];
  std::memset(kennung, '#', sizeof kennung);
  TObjectInfo info{0, kennung, 0, host.idOf("GB-1")};
  EXPECT_NE(tlGetObjectData(&info), 0);
  EXPECT_STREQ(kennung, "GB-1");
  EXPECT_EQ(info.ClassCode, host::kClassGB);
  std::memset(kennung, '#', sizeof kennung);
  info.ObjectID = 999;
  EXPECT_EQ(tlGetObjectData(&info), 0);
  EXPECT_EQ(kennung[0], '#');  // nothing written for an unknown object
}

TEST_F(Values, PathsEndWhereTheBufferEndsOrAreNotGivenAtAll) {
  char buffer[300];
  ASSERT_NE(tlGetProjectDir(buffer, 255), 0);
  EXPECT_EQ(std::string(buffer), host.projectDir().string() + "/");
  ASSERT_NE(tlGetProjectDB(buffer, 255), 0);
  EXPECT_EQ(std::string(buffer), host.databasePath().string());
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(tlGetProjectDir(buffer, 3), 0);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(buffer[1], '#');
}

TEST_F(Values, ByKeyReachesAnyObjectsRowsIncludingFindSiteSpecies) {
  activate("BT-1");
  EXPECT_EQ(valueByKey(keys.nss, "BtypHtyp", "Biotoptyp"), "NSS");
  EXPECT_EQ(valueByKey(keys.lacerta, "Tierliste", "Tierart"), "Lacerta agilis");
  EXPECT_EQ(valueByKey(keys.lacerta, "Tierliste", "MASTERKEY"), "");
  EXPECT_EQ(valueByKey(keys.lacerta, "Pflanzenliste", "Pflanzenart"), "<none>");  // key of another table
  EXPECT_EQ(valueByKey(0, "BtypHtyp", "Biotoptyp"), "<none>");
  EXPECT_NE(tlSetValueByPKEY(static_cast<int32_t>(keys.nss), "BtypHtyp", "FLAECHE", "2,5"), 0);
  EXPECT_EQ(host.rows("BT-2", "BtypHtyp")[0].value("FLAECHE"), "2,5");
  EXPECT_EQ(tlSetValueByPKEY(12345, "BtypHtyp", "FLAECHE", "1"), 0);
}

TEST_F(Values, TextsCrossTheBoundaryInWindows1252) {
  activate("BT-1");
  tlTableFirst("BtypHtyp");
  tlSetValueByName("BtypHtyp", "P62_Typ", "\xA7 62 Gro\xDF");  // Windows-1252
  EXPECT_EQ(host.rows("BT-1", "BtypHtyp")[0].value("P62_Typ"), "§ 62 Groß");
  EXPECT_EQ(value("BtypHtyp", "P62_Typ"), "\xA7 62 Gro\xDF");
  EXPECT_EQ(host.editField("BT-1", "BtypHtyp", keys.wba, "Bemerkung", "Gänsefuß – €"), "Gänsefuß – €");
  EXPECT_EQ(value("BtypHtyp", "Bemerkung"), "G\xE4nsefu\xDF \x96 \x80");
}

TEST_F(Values, ExtendedWriteWithMode2WritesLikeThePlainOne) {
  activate("BT-1");
  tlTableFirst("BtypHtyp");
  EXPECT_NE(tlSetValueByNameEx("BtypHtyp", "Bemerkung", "per Ex", 2), 0);
  EXPECT_EQ(value("BtypHtyp", "Bemerkung"), "per Ex");
  EXPECT_EQ(host.callCount("tlSetValueByNameEx"), 1);
  EXPECT_EQ(host.callCount("tlSetValueByName"), 0);
}

TEST_F(Values, EveryCallIsCountedUntilReset) {
  activate("BT-1");
  column("BtypHtyp", "Biotoptyp");
  EXPECT_EQ(host.callCount("tlTableFirst"), 1);
  EXPECT_EQ(host.callCount("tlTableNext"), 3);
  EXPECT_EQ(host.callCount("tlTableEOF"), 4);
  EXPECT_EQ(host.callCount("tlGetValueByName"), 3);
  host.resetCallCounts();
  EXPECT_EQ(host.callCount("tlTableFirst"), 0);
}

}  // namespace
}  // namespace hosttest
