#include "CursorContract.h"

#include <cstring>

#include "TolvarApi.h"

namespace contract {

namespace {

constexpr const char* kTable = "BtypHtyp";

std::string current(const char* field = "Biotoptyp") {
  char buffer[TL_KENNUNG_CAPACITY + 1] = {};
  if (tlGetValueByName(kTable, field, buffer, TL_KENNUNG_CAPACITY) == 0) return "<none>";
  return buffer;
}

bool bof() { return tlTableBOF(kTable) != 0; }
bool eof() { return tlTableEOF(kTable) != 0; }

void deleteCurrent() { tlDeleteRecord(kTable, std::stoi(current("PKEY"))); }

void anEmptyTableReportsBothEndsWhateverTheMove(HostUnderTest& host) {
  host.activateObjectWithRows({});
  host.check(tlGetRecordCountOf(kTable) == 0, "no rows");
  for (const auto move : {tlTableFirst, tlTableLast, tlTableNext}) {
    move(kTable);
    host.check(bof() && eof(), "BOF and EOF after a move on an empty table");
  }
}

void firstAndLastStandOnTheEndRows(HostUnderTest& host) {
  host.activateObjectWithRows({"A", "B", "C"});
  tlTableFirst(kTable);
  host.check(current() == "A", "First stands on the first row");
  host.check(!eof(), "EOF is 0 after First");
  tlTableLast(kTable);
  host.check(current() == "C", "Last stands on the last row");
}

void nextSetsEofOnTheLastRowAndStaysThere(HostUnderTest& host) {
  host.activateObjectWithRows({"A", "B"});
  tlTableFirst(kTable);
  tlTableNext(kTable);
  host.check(current() == "B" && !eof(), "Next moves on, EOF 0");
  tlTableNext(kTable);
  host.check(eof(), "EOF after Next on the last row");
  host.check(current() == "B", "the last row stays current");
}

void theWalkVisitsEveryRowOnce(HostUnderTest& host) {
  host.activateObjectWithRows({"A", "B", "C"});
  std::vector<std::string> seen;
  tlTableFirst(kTable);
  while (!eof() && seen.size() < 10) {
    seen.push_back(current());
    tlTableNext(kTable);
  }
  host.check(seen == std::vector<std::string>{"A", "B", "C"}, "First; while EOF is 0: Next");
}

void deleteMovesOnWithBothFlagsClear(HostUnderTest& host) {
  host.activateObjectWithRows({"A", "B", "C"});
  tlTableFirst(kTable);
  deleteCurrent();
  host.check(tlGetRecordCountOf(kTable) == 2, "the row is gone");
  host.check(current() == "B", "the row after the deleted one is current");
  host.check(!bof() && !eof(), "BOF and EOF are 0 while rows remain");
  tlTableLast(kTable);
  deleteCurrent();
  host.check(current() == "B", "after the last row the one before it is current");
  host.check(!bof() && !eof(), "BOF and EOF are 0 while rows remain");
  deleteCurrent();
  host.check(tlGetRecordCountOf(kTable) == 0, "the table is empty");
  host.check(bof() && eof(), "an emptied table reports both ends");
}

void deletingByCountEmptiesTheTableFromEitherEnd(HostUnderTest& host) {
  for (const auto start : {tlTableFirst, tlTableLast}) {
    host.activateObjectWithRows({"A", "B", "C", "D"});
    start(kTable);
    int deletes = 0;
    while (tlGetRecordCountOf(kTable) > 0 && deletes < 10) {
      deleteCurrent();
      ++deletes;
    }
    host.check(deletes == 4, "one delete per row");
  }
}

void appendAddsACurrentRowThatPostStores(HostUnderTest& host) {
  host.activateObjectWithRows({"A"});
  tlTableFirst(kTable);
  host.check(tlAppendRecord(kTable) != 0, "Append succeeds");
  host.check(!bof() && !eof(), "BOF and EOF are 0 on the new row");
  tlSetValueByName(kTable, "Biotoptyp", "N");
  tlPostRecord(kTable);
  host.check(current() == "N", "the new row stays current after Post");
  host.check(tlGetRecordCountOf(kTable) == 2, "the row is stored");
}

void valuesAreCutToTheBuffer(HostUnderTest& host) {
  host.activateObjectWithRows({"ABCDEF"});
  tlTableFirst(kTable);
  char buffer[8];
  std::memset(buffer, 'x', sizeof buffer);
  host.check(tlGetValueByName(kTable, "Biotoptyp", buffer, 3) != 0, "a cut value is still a value");
  host.check(std::string(buffer) == "ABC", "n characters and the zero");
  host.check(buffer[4] == 'x', "nothing written after the zero");
}

}  // namespace

const std::vector<ContractCase>& CursorContractCases() {
  static const std::vector<ContractCase> cases = {
      {"AnEmptyTableReportsBothEndsWhateverTheMove", anEmptyTableReportsBothEndsWhateverTheMove},
      {"FirstAndLastStandOnTheEndRows", firstAndLastStandOnTheEndRows},
      {"NextSetsEofOnTheLastRowAndStaysThere", nextSetsEofOnTheLastRowAndStaysThere},
      {"TheWalkVisitsEveryRowOnce", theWalkVisitsEveryRowOnce},
      {"DeleteMovesOnWithBothFlagsClear", deleteMovesOnWithBothFlagsClear},
      {"DeletingByCountEmptiesTheTableFromEitherEnd", deletingByCountEmptiesTheTableFromEitherEnd},
      {"AppendAddsACurrentRowThatPostStores", appendAddsACurrentRowThatPostStores},
      {"ValuesAreCutToTheBuffer", valuesAreCutToTheBuffer},
  };
  return cases;
}

}  // namespace contract
