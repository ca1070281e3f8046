#pragma once
// The attribute tables of one host object behind the fake host: one cursor per table, and a
// detail table shows only the rows of its parent table's current row, as the host does. Object
// areas: 2.25 ha for object 7, 1.5 ha for any other.
#include <map>
#include <string>
#include <vector>

#include "doubles/FakeHost.h"

namespace testdoubles {

struct Row {
  std::map<std::string, std::string> fields;
  std::map<std::string, std::vector<Row>> children;
};

class TableTree {
 public:
  explicit TableTree(std::vector<Row> roots = {}) : roots(std::move(roots)) {
    auto& hooks = fakehost::hooks();
    hooks.tableFirst = [this](const char* table) { return moveTo(table, 0); };
    hooks.tableLast = [this](const char* table) { return moveTo(table, rowsOf(table).size() - 1); };
    hooks.tableNext = [this](const char* table) { return moveTo(table, cursor[table] + 1); };
    hooks.tableEOF = [this](const char* table) -> int16_t { return cursor[table] >= rowsOf(table).size(); };
    hooks.getValueByName = [this](const char* table, const char* field, char* buffer, int32_t n) {
      return fakehost::deliver(current(table).fields[field], buffer, n);
    };
    hooks.setValueByName = [this](const char* table, const char* field, const char* value) -> int16_t {
      current(table).fields[field] = value;
      return 1;
    };
    hooks.appendRecord = [this](const char* table) {
      rowsOf(table).emplace_back();
      return moveTo(table, rowsOf(table).size() - 1);
    };
    hooks.getObjectArea = [](int32_t id) { return id == 7 ? 2.25 : 1.5; };
  }
  ~TableTree() { fakehost::reset(); }
  TableTree(const TableTree&) = delete;
  TableTree& operator=(const TableTree&) = delete;

  std::vector<Row> roots;

 private:
  int16_t moveTo(const std::string& table, std::size_t row) {
    cursor[table] = row;
    return 1;
  }
  std::vector<Row>& rowsOf(const std::string& table) {
    static const std::map<std::string, std::string> parent = {{"Zusatzcodes", "BtypHtyp"},
                                                              {"Vegetationstyp", "BtypHtyp"},
                                                              {"Schichtung", "Vegetationstyp"},
                                                              {"Pflanzenliste", "Schichtung"},
                                                              {"Tierliste", "Schichtung"}};
    if (table == "BtypHtyp") return roots;
    return current(parent.at(table)).children[table];
  }
  Row& current(const std::string& table) { return rowsOf(table).at(cursor[table]); }

  std::map<std::string, std::size_t> cursor;
};

}  // namespace testdoubles
