#include "Session.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

#include "ChangeList.h"
#include "HostError.h"
#include "ObjectsFile.h"
#include "ReplaceFile.h"

namespace host {

namespace {
Session* current = nullptr;
constexpr std::size_t kHandlerBufferSize = 4096;

// The file's bytes; none when there is no such file.
std::optional<std::string> readFileIfPresent(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

Session* currentSession() { return current; }
void setCurrentSession(Session* session) { current = session; }

OpenProject::OpenProject(const std::filesystem::path& projectDir, const GeosContext& geos)
    : dir(projectDir),
      config(loadHostConfig(projectDir / kConfigFileName)),
      objects(loadObjects(projectDir / kObjectsFileName, geos)),
      database(projectDir / kDatabaseFileName),
      store(database),
      cursors(store),
      objectsFileTime(std::filesystem::last_write_time(projectDir / kObjectsFileName)) {}

void Session::open(const std::filesystem::path& dir) {
  if (!std::filesystem::is_directory(dir)) throw HostError("Projektordner nicht gefunden: " + dir.string());
  if (!std::filesystem::is_regular_file(dir / kDatabaseFileName)) {
    throw HostError("Projektdatenbank nicht gefunden: " + (dir / kDatabaseFileName).string());
  }
  auto opened = std::make_unique<OpenProject>(std::filesystem::absolute(dir).lexically_normal(), geos_);
  if (!opened->dir.has_filename()) opened->dir = opened->dir.parent_path();
  project_ = std::move(opened);
  notifyOwnWrites = project_->config.notifyOwnWrites;
  selection.clear();
}

OpenProject& Session::project() {
  if (!project_) throw HostError("Kein Projekt geöffnet");
  return *project_;
}

const OpenProject& Session::project() const {
  if (!project_) throw HostError("Kein Projekt geöffnet");
  return *project_;
}

void Session::loadPlugin(const std::filesystem::path& sharedObject) {
  plugin_.reset();
  plugin_ = std::make_unique<Plugin>(sharedObject);
}

const Plugin& Session::requirePlugin() const {
  if (!plugin_) throw HostError("Kein Plug-in geladen");
  return *plugin_;
}

const GeoObject& Session::requireObject(const std::string& kennung) const {
  const GeoObject* object = project().objects.findByKennung(kennung);
  if (object == nullptr) throw HostError("Unbekannte Kennung '" + kennung + "'");
  return *object;
}

void Session::setActive(std::int32_t id) { project().cursors.setActiveObject(id); }

void Session::deleteObject(std::int32_t id) {
  OpenProject& p = project();
  const GeoObject* object = p.objects.find(id);
  if (object == nullptr) return;
  if (!object->temporary) {
    p.store.eraseObject(id);
    objectsChanged_ = true;
  }
  p.cursors.forgetObject(id);
  std::erase(selection, id);
  p.objects.remove(id);
}

void Session::addObject(GeoObject object) {
  const bool saved = !object.temporary;
  project().objects.add(std::move(object));
  if (saved) objectsChanged_ = true;
}

std::string Session::callHandler(const std::string& exportName, const std::string& newValue) const {
  const TLExportProc handler = requirePlugin().require(exportName);
  // The handler copies the value with its zero into the buffer before anything else.
  std::vector<char> destination(std::max(kHandlerBufferSize, newValue.size() + 1), '\0');
  handler(reinterpret_cast<std::intptr_t>(newValue.c_str()),
          reinterpret_cast<std::intptr_t>(destination.data()), 0);
  return std::string(destination.data(), strnlen(destination.data(), destination.size()));
}

std::optional<std::string> Session::handlerFor(std::string_view table, std::string_view field) const {
  const OpenProject& p = project();
  const AttributeTable* t = p.store.table(table);
  if (t == nullptr) return std::nullopt;
  auto column = t->columnIndex(field);
  if (!column) return std::nullopt;
  auto it = p.config.handlers.find(t->name() + "." + t->columns()[*column]);
  if (it == p.config.handlers.end()) return std::nullopt;
  return it->second;
}

void Session::recordFailure(const std::string& message) {
  if (!failure_) failure_ = message;
}

void Session::reportFailure(const std::string& text) {
  if (std::find(reportedFailures_.begin(), reportedFailures_.end(), text) != reportedFailures_.end()) return;
  reportedFailures_.push_back(text);
  *diagnostics << "tolvar: " << text << std::endl;
}

void Session::enter() {
  if (depth_ == 0 && project_) {
    try {
      changeListAtStart_ = readFileIfPresent(project_->dir / kChangeListFileName);
      reloadIfChangedElsewhere();
    } catch (const std::exception& e) {
      recordFailure(e.what());
    }
  }
  ++depth_;
  if (callStarting_ && timedCallDepth_ == 0) {
    timedCallDepth_ = depth_;
    callStart_ = std::chrono::steady_clock::now();
  }
  callStarting_ = false;
}

std::optional<std::string> Session::leave(bool ok) {
  // The call's commit is part of its time.
  struct CallTimer {
    Session& s;
    ~CallTimer() {
      if (s.timedCallDepth_ <= s.depth_) return;
      s.timedCallDepth_ = 0;
      s.hostCallTime += std::chrono::steady_clock::now() - s.callStart_;
    }
  } timer{*this};
  if (--depth_ > 0 || !project_) {
    if (depth_ == 0) failure_.reset();
    return std::nullopt;
  }
  std::optional<std::string> failure = std::move(failure_);
  failure_.reset();
  if (ok && !failure) {
    try {
      commit();
      return std::nullopt;
    } catch (const std::exception& e) {
      failure = e.what();
    }
  }
  rollback();
  return failure;
}

void Session::commit() {
  project_->database.finish(true);
  if (objectsChanged_) {
    objectsChanged_ = false;
    saveObjects(project_->dir / kObjectsFileName, project_->objects);
    project_->objectsFileTime = std::filesystem::last_write_time(project_->dir / kObjectsFileName);
  }
}

void Session::rollback() {
  restoreChangeList();
  // Memory follows the database back to its last committed state.
  OpenProject& p = *project_;
  const std::int32_t active = p.cursors.activeObject();
  p.database.finish(false);
  p.store.reload();
  p.cursors.clear();
  if (objectsChanged_) {
    objectsChanged_ = false;
    reloadObjects();
  }
  std::erase_if(selection, [&](std::int32_t id) { return p.objects.find(id) == nullptr; });
  if (p.objects.find(active) != nullptr) p.cursors.setActiveObject(active);
}

void Session::restoreChangeList() {
  const std::filesystem::path file = project_->dir / kChangeListFileName;
  try {
    // The plug-in never creates a change list, so only one that was there is put back.
    if (changeListAtStart_ && readFileIfPresent(file) != changeListAtStart_)
      replaceFile(file, *changeListAtStart_);
  } catch (const std::exception& e) {
    reportFailure("Die Änderungsliste " + file.string() + " ließ sich nicht zurücksetzen: " + e.what());
  }
}

void Session::reloadObjects() {
  OpenProject& p = *project_;
  p.objectsFileTime = std::filesystem::last_write_time(p.dir / kObjectsFileName);
  p.objects = loadObjects(p.dir / kObjectsFileName, geos_);
}

void Session::reloadIfChangedElsewhere() {
  OpenProject& p = *project_;
  const bool rows = p.database.changedElsewhere();
  const bool objects = std::filesystem::last_write_time(p.dir / kObjectsFileName) != p.objectsFileTime;
  if (!rows && !objects) return;
  const std::int32_t active = p.cursors.activeObject();
  if (objects) {
    std::vector<GeoObject> temporary;
    for (const auto& [id, object] : p.objects.all()) {
      if (object.temporary)
        temporary.push_back({id, object.kennung, object.classCode, {}, object.geometryJson, true});
    }
    reloadObjects();
    // Temporary objects live in this session only; they stay unless the other program took their id or name.
    for (GeoObject& object : temporary) {
      if (p.objects.find(object.id) != nullptr || p.objects.findByKennung(object.kennung) != nullptr)
        continue;
      object.geometry = geos_.fromGeoJson(object.geometryJson);
      p.objects.add(std::move(object));
    }
  }
  p.store.refresh();
  p.cursors.clear();
  std::erase_if(selection, [&](std::int32_t id) { return p.objects.find(id) == nullptr; });
  if (p.objects.find(active) != nullptr) p.cursors.setActiveObject(active);
}

}  // namespace host
