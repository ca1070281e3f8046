// The record trees of the transfer: matching, area sums, which sub-records change owner and in
// what order, what reading drops and what writing leaves alone. Records are read from and
// written into a scripted table tree behind the fake host.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/LibraryError.h"
#include "doubles/FakeHost.h"
#include "doubles/FakeTables.h"
#include "doubles/RecordingUserInterface.h"
#include "platform/RegionalSettings.h"
#include "transfer/BiotopTypRecord.h"

using namespace aggregate;
using testdoubles::Row;
using testdoubles::TableTree;

namespace {

Row btyp(const std::string& code, const std::string& flaeche, std::vector<Row> zusatzcodes = {},
         std::vector<Row> vegetationstypen = {}, const std::string& oekotyp = "",
         const std::string& p62 = "") {
  return {{{"Biotoptyp", code}, {"Oekotyp", oekotyp}, {"P62_Typ", p62}, {"FLAECHE", flaeche}},
          {{"Zusatzcodes", zusatzcodes}, {"Vegetationstyp", vegetationstypen}}};
}
Row zusatz(const std::string& code) { return {{{"Zusatzcode", code}}, {}}; }
Row vegetation(const std::string& typ, std::vector<Row> schichten) {
  return {{{"Vegetationstyp", typ}}, {{"Schichtung", schichten}}};
}
Row schicht(const std::string& name, std::vector<Row> pflanzen, std::vector<Row> tiere = {}) {
  return {{{"Schicht", name}}, {{"Pflanzenliste", pflanzen}, {"Tierliste", tiere}}};
}
Row pflanze(const std::string& art, const std::string& anzahl) {
  return {{{"Pflanzenart", art}, {"Anzahl_klass", anzahl}}, {}};
}
Row tier(const std::string& art) { return {{{"Tierart", art}}, {}}; }

std::vector<std::string> valuesOf(const std::vector<Row>& rows, const std::string& field) {
  std::vector<std::string> values;
  for (const Row& row : rows) values.push_back(row.fields.at(field));
  return values;
}

std::string number(const std::string& pointText) {
  std::string text = pointText;
  for (char& c : text)
    if (c == '.') c = platform::decimalSeparator();
  return text;
}

class TransferRecords : public ::testing::Test {
 protected:
  void SetUp() override { fakehost::reset(); }
  void TearDown() override { fakehost::reset(); }

  // Reads every BtypHtyp row of an object with these rows.
  static BiotopTypRecords read(std::vector<Row> rows, const BiotopTypRecord::Reading& reading,
                               int32_t objectId = 1) {
    TableTree tables(std::move(rows));
    BiotopTypRecords records;
    tlTableFirst("BtypHtyp");
    while (tlTableEOF("BtypHtyp") == 0) {
      records.push_back(std::make_unique<BiotopTypRecord>(reading, objectId));
      records.back()->read(objectId);
      tlTableNext("BtypHtyp");
    }
    return records;
  }
  static std::unique_ptr<BiotopTypRecord> readOne(
      Row row, const BiotopTypRecord::Reading& reading = BiotopTypRecord::kTargetReading,
      int32_t objectId = 1) {
    auto records = read({std::move(row)}, reading, objectId);
    return std::move(records.at(0));
  }

  // What writing the record into an object with these rows leaves there.
  static std::vector<Row> written(const BiotopTypRecord& record, std::vector<Row> rows = {}) {
    TableTree tables(std::move(rows));
    record.write();
    return tables.roots;
  }
};

TEST_F(TransferRecords, FitIgnoresAreaAndSubRecordsButNotTheThreeCodes) {
  const auto record = readOne(btyp("WQ", "1", {zusatz("a")}, {}, "x", "p"));
  EXPECT_TRUE(record->fits(*readOne(btyp("WQ", "5", {}, {}, "x", "p"))));
  EXPECT_FALSE(record->fits(*readOne(btyp("WQ", "1", {zusatz("a")}, {}, "y", "p"))));
  EXPECT_FALSE(record->fits(*readOne(btyp("WQ", "1", {zusatz("a")}, {}, "x", ""))));
  EXPECT_FALSE(record->fits(*readOne(btyp("wq", "1", {zusatz("a")}, {}, "x", "p"))));
}

TEST_F(TransferRecords, AreasAreSummedWhicheverSeparatorTheyUse) {
  auto target = readOne(btyp("WQ", "1.5"));
  EXPECT_TRUE(target->merge(
      *readOne(btyp("WQ", "9"), BiotopTypRecord::sourceReading(RowOf(TransferKind::BtToGb)), 7)));
  EXPECT_EQ(target->flaeche(), number("3.75"));
  EXPECT_TRUE(target->addFlaeche("0,25"));
  EXPECT_EQ(target->flaeche(), "4");
}

TEST_F(TransferRecords, AnEmptyAreaTakesTheOtherOverUnchangedAndAddsNothing) {
  auto target = readOne(btyp("WQ", ""));
  EXPECT_FALSE(target->updateNecessary());
  EXPECT_TRUE(target->addFlaeche("1.50"));
  EXPECT_EQ(target->flaeche(), "1.50");
  EXPECT_TRUE(target->updateNecessary());
  EXPECT_TRUE(target->addFlaeche(""));
  EXPECT_EQ(target->flaeche(), "1.50");

  auto untouched = readOne(btyp("WQ", "2"));
  EXPECT_TRUE(untouched->addFlaeche(""));
  EXPECT_FALSE(untouched->updateNecessary());
}

TEST_F(TransferRecords, AnUnreadableAreaFailsBeforeAnythingChangesOwner) {
  auto target = readOne(btyp("WQ", "viel"));
  auto source = readOne(btyp("WQ", "1", {zusatz("a")}));
  EXPECT_FALSE(target->merge(*source));
  EXPECT_EQ(target->flaeche(), "viel");
  // Nor do two areas whose sum is no finite number.
  auto huge = readOne(btyp("WQ", "1E308"));
  EXPECT_FALSE(huge->merge(*readOne(btyp("WQ", "1E308"))));
  EXPECT_EQ(huge->flaeche(), "1E308");
  EXPECT_EQ(valuesOf(written(*source)[0].children["Zusatzcodes"], "Zusatzcode"),
            (std::vector<std::string>{"a"}));
}

TEST_F(TransferRecords, NewCodesArriveLastFirstAndSharedOnesStayWithTheOtherRecord) {
  auto target = readOne(btyp("WQ", "1", {zusatz("a")}));
  auto source = readOne(btyp("WQ", "1", {zusatz("b"), zusatz("a"), zusatz("c")}));
  EXPECT_TRUE(target->merge(*source));
  EXPECT_EQ(valuesOf(written(*target)[0].children["Zusatzcodes"], "Zusatzcode"),
            (std::vector<std::string>{"a", "c", "b"}));
  EXPECT_EQ(valuesOf(written(*source)[0].children["Zusatzcodes"], "Zusatzcode"),
            (std::vector<std::string>{"a"}));
}

TEST_F(TransferRecords, EqualVegetationTypesAndLayersMergeDownToTheSpecies) {
  auto target = readOne(
      btyp("WQ", "1", {}, {vegetation("V", {schicht("K", {pflanze("Carex", "2")}, {tier("Bufo")})})}));
  auto source = readOne(btyp("WQ", "1", {},
                             {vegetation("V", {schicht("K", {pflanze("Carex", "3"), pflanze("Poa", "1")},
                                                       {tier("Bufo"), tier("Rana")}),
                                               schicht("B", {pflanze("Salix", "1")})}),
                              vegetation("W", {})}));
  EXPECT_TRUE(target->merge(*source));

  const auto rows = written(*target);
  const auto& vegetationstypen = rows[0].children.at("Vegetationstyp");
  EXPECT_EQ(valuesOf(vegetationstypen, "Vegetationstyp"), (std::vector<std::string>{"V", "W"}));
  const auto& schichten = vegetationstypen[0].children.at("Schichtung");
  EXPECT_EQ(valuesOf(schichten, "Schicht"), (std::vector<std::string>{"K", "B"}));
  EXPECT_EQ(valuesOf(schichten[0].children.at("Pflanzenliste"), "Pflanzenart"),
            (std::vector<std::string>{"Carex", "Poa"}));
  EXPECT_EQ(valuesOf(schichten[0].children.at("Pflanzenliste"), "Anzahl_klass"),
            (std::vector<std::string>{"", "1"}));
  EXPECT_EQ(valuesOf(schichten[0].children.at("Tierliste"), "Tierart"),
            (std::vector<std::string>{"Bufo", "Rana"}));
  EXPECT_EQ(valuesOf(schichten[1].children.at("Pflanzenliste"), "Pflanzenart"),
            (std::vector<std::string>{"Salix"}));

  // The source keeps exactly what it did not hand over.
  const auto left = written(*source);
  const auto& leftVegetation = left[0].children.at("Vegetationstyp");
  EXPECT_EQ(valuesOf(leftVegetation, "Vegetationstyp"), (std::vector<std::string>{"V"}));
  const auto& leftSchichten = leftVegetation[0].children.at("Schichtung");
  EXPECT_EQ(valuesOf(leftSchichten, "Schicht"), (std::vector<std::string>{"K"}));
  EXPECT_EQ(valuesOf(leftSchichten[0].children.at("Pflanzenliste"), "Pflanzenart"),
            (std::vector<std::string>{"Carex"}));
  EXPECT_EQ(valuesOf(leftSchichten[0].children.at("Tierliste"), "Tierart"),
            (std::vector<std::string>{"Bufo"}));
}

TEST_F(TransferRecords, AnAppendedRowGetsItsFieldsInTheHostsOrderAndAnimalsBeforePlants) {
  const auto record = readOne(btyp(
      "WQ", "2", {}, {vegetation("V", {schicht("K", {pflanze("Carex", "2")}, {tier("Rana")})})}, "x", "p"));
  std::vector<std::string> writes;
  TableTree tables;
  fakehost::hooks().setValueByName = [&, inner = fakehost::hooks().setValueByName](
                                         const char* table, const char* field, const char* value) {
    writes.push_back(std::string(table) + "." + field + "=" + value);
    return inner(table, field, value);
  };
  record->write();
  EXPECT_EQ(writes, (std::vector<std::string>{
                        "BtypHtyp.Biotoptyp=WQ", "BtypHtyp.Oekotyp=x", "BtypHtyp.P62_Typ=p",
                        "BtypHtyp.FLAECHE=2", "BtypHtyp.Biotoptyp=WQ", "Vegetationstyp.Vegetationstyp=V",
                        "Schichtung.Schicht=K", "Tierliste.Tierart=Rana", "Pflanzenliste.Pflanzenart=Carex",
                        "Pflanzenliste.Anzahl_klass=2"}));
}

TEST_F(TransferRecords, ATargetRecordGoesBackIntoItsOwnRowEvenBesideAnEqualOne) {
  Row first = btyp("WQ", "1");
  first.fields["PKEY"] = "10";
  Row second = btyp("WQ", "2", {zusatz("b")});
  second.fields["PKEY"] = "11";
  auto records = read({first, second}, BiotopTypRecord::kTargetReading);
  EXPECT_TRUE(records[1]->addFlaeche("3"));

  auto rows = written(*records[1], {first, second});
  EXPECT_EQ(rows[0].fields.at("FLAECHE"), "1");
  EXPECT_EQ(rows[1].fields.at("FLAECHE"), "5");
  EXPECT_EQ(rows[0].children["Zusatzcodes"].size(), 0U);
}

}  // namespace
