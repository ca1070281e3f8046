// The state behind the tl* functions: the open project, the plug-in, selection, update brackets,
// call counts and the operation scopes that make every command atomic on disk.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "AttributeStore.h"
#include "Geometry.h"
#include "HostConfig.h"
#include "ObjectStore.h"
#include "Plugin.h"
#include "ProjectDatabase.h"
#include "TableCursors.h"

namespace host {

struct OpenProject {
  OpenProject(const std::filesystem::path& dir, const GeosContext& geos);

  std::filesystem::path dir;
  HostConfig config;
  ObjectStore objects;
  ProjectDatabase database;
  AttributeStore store;
  TableCursors cursors;
  std::filesystem::file_time_type objectsFileTime;  // of the objects file as last read or written
};

class Session {
 public:
  Session() = default;

  void open(const std::filesystem::path& dir);
  bool isOpen() const { return project_ != nullptr; }
  OpenProject& project();  // throws HostError when no project is open
  const OpenProject& project() const;
  const GeosContext& geos() const { return geos_; }

  void loadPlugin(const std::filesystem::path& sharedObject);
  const Plugin* plugin() const { return plugin_.get(); }
  const Plugin& requirePlugin() const;

  const GeoObject& requireObject(const std::string& kennung) const;
  void setActive(std::int32_t id);
  void deleteObject(std::int32_t id);
  // A permanent object is saved with the operation's commit; a temporary one never.
  void addObject(GeoObject object);

  // Calls the handler export with the protocol of attribute-change handlers and returns what it left
  // in the destination buffer. Texts are Windows-1252.
  std::string callHandler(const std::string& exportName, const std::string& newValue) const;
  // The export attached to a table field, if any (names as the caller wrote them).
  std::optional<std::string> handlerFor(std::string_view table, std::string_view field) const;

  // Operation scopes nest; the outermost one commits, or rolls back when a failure was recorded or
  // it ends with ok = false. Returns the failure that forced a rollback.
  // A rollback also puts the change list back as it stood when the outermost scope began: the
  // plug-in updates it during an export, and a command undone must not leave its target marked.
  void enter();
  std::optional<std::string> leave(bool ok);
  void recordFailure(const std::string& message);

  // Tells the user, on `diagnostics` and once per text, something the host could not do as asked
  // (a value it had no place to store, a write-protected project, a refused import); the program's
  // exit code is then 1.
  void reportFailure(const std::string& text);
  const std::vector<std::string>& reportedFailures() const { return reportedFailures_; }
  std::ostream* diagnostics = &std::cerr;

  // Counts a tl* call; the operation scope entered next is that call's, and its time (outside any
  // other call) adds to hostCallTime.
  void count(const char* function) {
    // Found without building a string: most names are too long for one without the heap.
    auto it = callCounts_.find(std::string_view(function));
    if (it == callCounts_.end()) it = callCounts_.emplace(function, 0).first;
    ++it->second;
    callStarting_ = true;
    if (callObserver) callObserver(function);
  }
  using CallCounts = std::map<std::string, std::int64_t, std::less<>>;
  CallCounts& counts() { return callCounts_; }
  std::chrono::steady_clock::duration hostCallTime{};

  std::vector<std::int32_t> selection;
  int updateDepth = 0;
  bool updateUnbalanced = false;
  bool notifyOwnWrites = false;
  // Named by tlGetProjectDB instead of the project's own store.
  std::optional<std::filesystem::path> reportedDatabase;
  std::function<void(const std::string&)> callObserver;

 private:
  GeosContext geos_;
  std::unique_ptr<OpenProject> project_;
  std::unique_ptr<Plugin> plugin_;
  CallCounts callCounts_;
  int depth_ = 0;
  bool callStarting_ = false;
  int timedCallDepth_ = 0;  // depth of the tl* call being timed; 0 when none
  std::chrono::steady_clock::time_point callStart_;
  std::optional<std::string> failure_;
  bool objectsChanged_ = false;
  std::optional<std::string> changeListAtStart_;  // its bytes; none when there was no change list
  std::vector<std::string> reportedFailures_;

  void commit();
  void rollback();
  void restoreChangeList();
  // Another program committed to the project: memory follows before this operation begins.
  void reloadIfChangedElsewhere();
  void reloadObjects();
};

// The session that the tl* functions serve; null when none.
Session* currentSession();
void setCurrentSession(Session* session);

}  // namespace host
