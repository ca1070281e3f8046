#pragma once
// The in-memory project behind the test host's tlAPI32.dll: objects, their attribute tables
// with the host's cursor rules, the selection, and a log of every host call the plug-in made.
// Texts are in the user's ANSI code page, as at the host boundary.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "contract/TolvarApi.h"

#if defined(TL_BUILDING_HOST_API)
#define TEST_HOST_API __declspec(dllexport)
#else
#define TEST_HOST_API __declspec(dllimport)
#endif

namespace testhost {

struct TEST_HOST_API CaseInsensitiveLess {
  bool operator()(const std::string& left, const std::string& right) const;
};
using Values = std::map<std::string, std::string, CaseInsensitiveLess>;

struct Row {
  int32_t key = 0;
  int32_t parentKey = 0;  // key of the parent table's row; 0 in top-level tables
  Values values;
};

class TEST_HOST_API TestProject {
 public:
  // ---- set-up and inspection, for the tests ----
  // An empty project; the host window's handle is what tlGetTolvarWindowHandle returns.
  void reset(const std::string& projectDirectory, const std::string& projectDatabase, intptr_t window);
  int32_t addObject(const std::string& kennung, int32_t classCode, double area, int32_t geoType = 3);
  // key 0 takes the next free key.
  int32_t addRow(int32_t objectId, const std::string& table, const Values& values, int32_t parentKey = 0,
                 int32_t key = 0);
  void select(const std::vector<int32_t>& ids);
  // No geometry here: two objects lie on each other when the test says so, sharing this area.
  void overlap(int32_t first, int32_t second, double sharedArea);
  void activate(int32_t id);

  std::vector<Row> rows(int32_t objectId, const std::string& table) const;
  std::vector<int32_t> selection() const { return selection_; }
  std::vector<std::string> calls() const { return calls_; }
  bool called(const std::string& logLine) const;
  // Runs after every host call, with its log line, on the plug-in's thread.
  void setCallObserver(std::function<void(const std::string&)> observer) { observer_ = std::move(observer); }

  // ---- the project database as the ADO stand-in sees it ----
  // Every row of the table in all objects, with the object's id, in the order they were added.
  std::vector<std::pair<int32_t, Row>> databaseRows(const std::string& table) const;
  // What the stand-in was asked, one line per connection string, statement, parameter and call.
  void recordAdo(const std::string& line) { adoRecord_.push_back(line); }
  std::vector<std::string> adoRecord() const { return adoRecord_; }
  void clearAdoRecord() { adoRecord_.clear(); }

  // ---- the host API, for HostApi.cpp ----
  void log(const std::string& line);
  int32_t activeObject() const { return active_; }
  bool setActive(int32_t id);
  const std::string* kennungOf(int32_t id) const;
  int32_t classOf(int32_t id) const;
  int32_t geoTypeOf(int32_t id) const;
  double areaOf(int32_t id) const;
  int32_t idOf(const std::string& kennung) const;
  bool deleteObject(int32_t id);
  // The objects lying on id whose class the filter names (all when it names none), at most capacity.
  std::vector<int32_t> objectsOn(int32_t id, const std::vector<int32_t>& classes) const;
  // A temporary object: the intersection of two objects, with their shared area; 0 when refused.
  int32_t createIntersection(const std::string& kennung, int32_t classCode, const std::vector<int32_t>& ids);
  bool iterateSelection(const char* module, const char* exportName);
  void addToSelection(int32_t id) { selection_.push_back(id); }
  void deselectAll() { selection_.clear(); }
  intptr_t window() const { return window_; }
  const std::string& projectDirectory() const { return projectDirectory_; }
  const std::string& projectDatabase() const { return projectDatabase_; }

  int32_t recordCount(const std::string& table);
  bool first(const std::string& table);
  bool last(const std::string& table);
  bool next(const std::string& table);
  bool atEnd(const std::string& table);
  bool atStart(const std::string& table);
  bool append(const std::string& table);
  bool deleteRecord(const std::string& table, int32_t key);
  std::optional<std::string> value(const std::string& table, const std::string& field);
  bool setValue(const std::string& table, const std::string& field, const std::string& value);
  std::optional<std::string> valueByKey(int32_t key, const std::string& table, const std::string& field);
  bool setValueByKey(int32_t key, const std::string& table, const std::string& field,
                     const std::string& value);

 private:
  struct Object {
    int32_t id = 0;
    std::string kennung;
    int32_t classCode = 0;
    int32_t geoType = 0;
    double area = 0;
  };
  struct Cursor {
    int32_t key = 0;  // 0: no current row
    bool bof = true;
    bool eof = true;
  };

  const Object* object(int32_t id) const;
  std::vector<Row>& tableOf(int32_t objectId, const std::string& table);
  std::vector<Row*> visibleRows(const std::string& table);
  Cursor& cursor(const std::string& table);
  Row* currentRow(const std::string& table);
  Row* rowByKey(int32_t key, const std::string& table);
  static std::optional<std::string> fieldOf(const Row& row, const std::string& field);
  bool positionAtEnd(const std::string& table, bool first);
  void positionAt(const std::string& table, const std::vector<Row*>& rows, std::size_t index, bool bof,
                  bool eof);
  void followParent(const std::string& parentTable);
  void eraseWithDetails(int32_t objectId, const std::string& table, int32_t key);

  std::vector<Object> objects_;
  std::map<int32_t, std::map<std::string, std::vector<Row>, CaseInsensitiveLess>> tables_;
  std::map<std::string, Cursor, CaseInsensitiveLess> cursors_;  // of the active object
  std::vector<int32_t> selection_;
  std::map<std::pair<int32_t, int32_t>, double> overlaps_;  // (lower id, higher id)
  std::vector<std::string> calls_;
  std::vector<std::string> adoRecord_;
  std::function<void(const std::string&)> observer_;
  int32_t active_ = 0;
  int32_t nextId_ = 1;
  int32_t nextKey_ = 1;
  intptr_t window_ = 0;
  std::string projectDirectory_;
  std::string projectDatabase_;
};

TEST_HOST_API TestProject& testProject();

}  // namespace testhost
